#pragma once

#include <QtGlobal>

// Record types and constants of the enhanced metafile format that the page images use. The
// writer, the record reader and the player share them.
namespace Emf {

enum RecordType : quint32 {
    kHeader = 1,
    kPolyBezier = 2,
    kPolygon = 3,
    kPolyline = 4,
    kPolyBezierTo = 5,
    kPolyLineTo = 6,
    kPolyPolyline = 7,
    kPolyPolygon = 8,
    kSetWindowExtEx = 9,
    kSetWindowOrgEx = 10,
    kSetViewportExtEx = 11,
    kSetViewportOrgEx = 12,
    kEof = 14,
    kSetPixelV = 15,
    kSetMapMode = 17,
    kSetBkMode = 18,
    kSetPolyFillMode = 19,
    kSetTextAlign = 22,
    kSetTextColor = 24,
    kSetBkColor = 25,
    kMoveToEx = 27,
    kExcludeClipRect = 29,
    kIntersectClipRect = 30,
    kScaleViewportExtEx = 31,
    kScaleWindowExtEx = 32,
    kSaveDc = 33,
    kRestoreDc = 34,
    kSetWorldTransform = 35,
    kModifyWorldTransform = 36,
    kSelectObject = 37,
    kCreatePen = 38,
    kCreateBrushIndirect = 39,
    kDeleteObject = 40,
    kEllipse = 42,
    kRectangle = 43,
    kRoundRect = 44,
    kLineTo = 54,
    kBeginPath = 59,
    kEndPath = 60,
    kCloseFigure = 61,
    kFillPath = 62,
    kStrokeAndFillPath = 63,
    kStrokePath = 64,
    kAbortPath = 68,
    kGdiComment = 70,
    kSelectClipPath = 67,
    kExtSelectClipRgn = 75,
    kBitBlt = 76,
    kStretchBlt = 77,
    kStretchDiBits = 81,
    kExtCreateFontIndirectW = 82,
    kExtTextOutA = 83,
    kExtTextOutW = 84,
    kPolyBezier16 = 85,
    kPolygon16 = 86,
    kPolyline16 = 87,
    kPolyBezierTo16 = 88,
    kPolylineTo16 = 89,
    kPolyPolyline16 = 90,
    kPolyPolygon16 = 91,
    kExtCreatePen = 95,
};

// " EMF" as the header's little-endian signature.
constexpr quint32 kSignature = 0x464D4520;
constexpr quint32 kFormatVersion = 0x00010000;

// A stock object handle has the high bit set; the low bits name the object.
constexpr quint32 kStockObjectFlag = 0x80000000;
enum StockObject : quint32 {
    kWhiteBrush = 0,
    kLightGrayBrush = 1,
    kGrayBrush = 2,
    kDarkGrayBrush = 3,
    kBlackBrush = 4,
    kNullBrush = 5,
    kWhitePen = 6,
    kBlackPen = 7,
    kNullPen = 8,
    kSystemFont = 13,
};

enum MapMode : quint32 {
    kMapText = 1,
    kMapLoMetric = 2,
    kMapHiMetric = 3,
    kMapLoEnglish = 4,
    kMapHiEnglish = 5,
    kMapTwips = 6,
    kMapIsotropic = 7,
    kMapAnisotropic = 8,
};

enum TextAlign : quint32 {
    kAlignUpdateCp = 0x0001,
    kAlignRight = 0x0002,
    kAlignCenter = 0x0006,
    kAlignBottom = 0x0008,
    kAlignBaseline = 0x0018,
    kAlignHorizontalMask = 0x0006,
    kAlignVerticalMask = 0x0018,
};

enum BackgroundMode : quint32 { kTransparent = 1, kOpaque = 2 };

enum PenStyle : quint32 {
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenNull = 5,
    kPenStyleMask = 0x0F,
};

enum BrushStyle : quint32 { kBrushSolid = 0, kBrushNull = 1, kBrushHatched = 2 };

enum FontWeight : qint32 { kWeightNormal = 400, kWeightBold = 700 };

// Sizes of the fixed parts of the records the reader and the player parse.
constexpr qsizetype kMinimumHeaderSize = 88;
constexpr qsizetype kLogFontSize = 92;
constexpr qsizetype kFaceNameLength = 32;
constexpr qsizetype kExtTextOutFixedSize = 76;

// COLORREF: 0x00BBGGRR.
constexpr quint32 colorRef(int red, int green, int blue) {
    return quint32(red) | (quint32(green) << 8) | (quint32(blue) << 16);
}

} // namespace Emf
