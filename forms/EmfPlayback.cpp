#include "forms/EmfPlayback.h"

#include "forms/EmfFormat.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <QtMath>

namespace {

constexpr quint32 kTextOptionOpaque = 0x0002;
constexpr quint32 kTextOptionClipped = 0x0004;
constexpr quint32 kGeometricPen = 0x00010000;
constexpr quint32 kRegionCopy = 5;
constexpr quint32 kWinding = 2;
// The em height of a font that names none: a sixth of an inch on a 96 dpi reference device.
constexpr qreal kDefaultEmPixels = 16;
// Nothing on a page is drawn larger than this many target pixels: a damaged record asking for
// a giant font or pen is drawn no larger, instead of costing minutes or memory.
constexpr qreal kLargestDrawing = 20000;
constexpr qint32 kWidestPen = 1 << 20;

enum WorldTransformMode : quint32 {
    kWorldIdentity = 1,
    kWorldLeftMultiply = 2,
    kWorldRightMultiply = 3,
    kWorldSet = 4,
};

QColor colorOf(quint32 colorRef) {
    return QColor(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF));
}

Qt::PenStyle penStyleOf(quint32 style) {
    switch (style & Emf::kPenStyleMask) {
    case Emf::kPenDash:
        return Qt::DashLine;
    case Emf::kPenDot:
        return Qt::DotLine;
    case Emf::kPenDashDot:
        return Qt::DashDotLine;
    case Emf::kPenDashDotDot:
        return Qt::DashDotDotLine;
    case Emf::kPenNull:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

QPen penOf(quint32 style, qint32 width, quint32 color) {
    QPen pen(colorOf(color));
    pen.setStyle(penStyleOf(style));
    pen.setWidthF(qBound(0, width, kWidestPen));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QBrush brushOf(quint32 style, quint32 color, quint32 hatch) {
    static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                             Qt::BDiagPattern, Qt::FDiagPattern,
                                             Qt::CrossPattern, Qt::DiagCrossPattern};
    if (style == Emf::kBrushNull)
        return QBrush(Qt::NoBrush);
    if (style == Emf::kBrushHatched && hatch < std::size(hatches))
        return QBrush(colorOf(color), hatches[hatch]);
    return QBrush(colorOf(color));
}

std::variant<QPen, QBrush, EmfFont> stockObject(quint32 index) {
    switch (index) {
    case Emf::kWhiteBrush:
        return QBrush(Qt::white);
    case Emf::kLightGrayBrush:
        return QBrush(QColor(0xC0, 0xC0, 0xC0));
    case Emf::kGrayBrush:
        return QBrush(QColor(0x80, 0x80, 0x80));
    case Emf::kDarkGrayBrush:
        return QBrush(QColor(0x40, 0x40, 0x40));
    case Emf::kBlackBrush:
        return QBrush(Qt::black);
    case Emf::kNullBrush:
        return QBrush(Qt::NoBrush);
    case Emf::kWhitePen:
        return QPen(QColor(Qt::white), 0);
    case Emf::kBlackPen:
        return QPen(QColor(Qt::black), 0);
    case Emf::kNullPen:
        return QPen(Qt::NoPen);
    default:
        return EmfFont{QStringLiteral("Arial"), 0};
    }
}

QTransform transformAt(const EmfRecord& record, qsizetype at) {
    return QTransform(record.f32(at), record.f32(at + 4), record.f32(at + 8), record.f32(at + 12),
                      record.f32(at + 16), record.f32(at + 20));
}

QRectF boxAt(const EmfRecord& record, qsizetype at) {
    const QRect edges = record.edges(at);
    return QRectF(QPointF(edges.left(), edges.top()), QPointF(edges.right(), edges.bottom()))
        .normalized();
}

// Raster operations of block transfers without a source bitmap that a page can show.
constexpr quint32 kPatternCopy = 0x00F00021;
constexpr quint32 kWhiteness = 0x00FF0062;
constexpr quint32 kBlackness = 0x00000042;

void appendU32(QByteArray& bytes, quint32 value) {
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

// A device-independent bitmap of a record (its header and its bits) decoded by giving it the
// file header of a BMP file. A bitmap the decoder cannot read comes back null.
QImage deviceIndependentBitmap(const EmfRecord& record, qsizetype headerAt, qsizetype headerSize,
                               qsizetype bitsAt, qsizetype bitsSize) {
    const QByteArrayView header = record.bytes(headerAt, headerSize);
    const QByteArrayView bits = record.bytes(bitsAt, bitsSize);
    if (!record.ok() || header.isEmpty() || bits.isEmpty())
        return {};
    constexpr quint32 kFileHeaderSize = 14;
    QByteArray file("BM");
    appendU32(file, quint32(kFileHeaderSize + header.size() + bits.size()));
    appendU32(file, 0);
    appendU32(file, quint32(kFileHeaderSize + header.size()));
    file.append(header);
    file.append(bits);
    return QImage::fromData(file, "BMP");
}

bool isFinite(const QTransform& transform) {
    for (const qreal value : {transform.m11(), transform.m12(), transform.m21(), transform.m22(),
                              transform.dx(), transform.dy()}) {
        if (!qIsFinite(value))
            return false;
    }
    return true;
}

} // namespace

EmfPlayback::EmfPlayback(const EmfHeader& header, QPainter* painter,
                         const QTransform& deviceToTarget, const QRectF& page)
    : header_(header), painter_(painter), deviceToTarget_(deviceToTarget), page_(page),
      budget_(page) {
    if (painter_)
        base_ = painter_->transform();
}

QTransform EmfPlayback::logicalToTarget() const {
    return state_.logicalToDevice(header_) * deviceToTarget_;
}

bool EmfPlayback::play(const EmfRecord& record) {
    return playRecord(record) && !budget_.exceeded();
}

bool EmfPlayback::playRecord(const EmfRecord& record) {
    switch (record.type()) {
    case Emf::kHeader:
    case Emf::kEof:
        return true;
    case Emf::kSetMapMode:
    case Emf::kSetWindowExtEx:
    case Emf::kSetWindowOrgEx:
    case Emf::kSetViewportExtEx:
    case Emf::kSetViewportOrgEx:
    case Emf::kScaleViewportExtEx:
    case Emf::kScaleWindowExtEx:
    case Emf::kSetWorldTransform:
    case Emf::kModifyWorldTransform:
        return playMapping(record);
    case Emf::kSetBkMode:
    case Emf::kSetPolyFillMode:
    case Emf::kSetTextAlign:
    case Emf::kSetTextColor:
    case Emf::kSetBkColor:
    case Emf::kMoveToEx:
    case Emf::kSaveDc:
    case Emf::kRestoreDc:
    case Emf::kIntersectClipRect:
    case Emf::kExtSelectClipRgn:
        return playState(record);
    case Emf::kSelectObject:
    case Emf::kCreatePen:
    case Emf::kExtCreatePen:
    case Emf::kCreateBrushIndirect:
    case Emf::kExtCreateFontIndirectW:
    case Emf::kDeleteObject:
        return playObject(record);
    case Emf::kLineTo:
    case Emf::kRectangle:
    case Emf::kRoundRect:
    case Emf::kEllipse:
    case Emf::kSetPixelV:
        return playShape(record);
    case Emf::kPolyline:
    case Emf::kPolyline16:
    case Emf::kPolygon:
    case Emf::kPolygon16:
    case Emf::kPolyLineTo:
    case Emf::kPolylineTo16:
    case Emf::kPolyBezier:
    case Emf::kPolyBezier16:
    case Emf::kPolyBezierTo:
    case Emf::kPolyBezierTo16:
    case Emf::kPolyPolyline:
    case Emf::kPolyPolyline16:
    case Emf::kPolyPolygon:
    case Emf::kPolyPolygon16:
        return playPolyShape(record);
    case Emf::kBeginPath:
    case Emf::kEndPath:
    case Emf::kCloseFigure:
    case Emf::kFillPath:
    case Emf::kStrokePath:
    case Emf::kStrokeAndFillPath:
    case Emf::kAbortPath:
        return playPath(record);
    case Emf::kExtTextOutW:
    case Emf::kExtTextOutA:
        return playText(record);
    case Emf::kBitBlt:
    case Emf::kStretchBlt:
    case Emf::kStretchDiBits:
        return playBitmap(record);
    default:
        return true; // not needed to draw a page: skipped
    }
}

bool EmfPlayback::playMapping(const EmfRecord& record) {
    const auto pair = [&record] { return QPointF(record.i32(8), record.i32(12)); };
    switch (record.type()) {
    case Emf::kSetMapMode:
        state_.mapMode = record.u32(8);
        break;
    case Emf::kSetWindowExtEx:
    case Emf::kSetViewportExtEx: {
        const QPointF extent = pair();
        QSizeF& target =
            record.type() == Emf::kSetWindowExtEx ? state_.windowExtent : state_.viewportExtent;
        if (extent.x() != 0 && extent.y() != 0)
            target = QSizeF(extent.x(), extent.y());
        break;
    }
    case Emf::kSetWindowOrgEx:
        state_.windowOrigin = pair();
        break;
    case Emf::kSetViewportOrgEx:
        state_.viewportOrigin = pair();
        break;
    case Emf::kScaleViewportExtEx:
    case Emf::kScaleWindowExtEx: {
        const qint32 xDenominator = record.i32(12);
        const qint32 yDenominator = record.i32(20);
        QSizeF& extent =
            record.type() == Emf::kScaleWindowExtEx ? state_.windowExtent : state_.viewportExtent;
        if (xDenominator != 0 && yDenominator != 0 && record.i32(8) != 0 && record.i32(16) != 0)
            extent = QSizeF(extent.width() * record.i32(8) / xDenominator,
                            extent.height() * record.i32(16) / yDenominator);
        break;
    }
    case Emf::kSetWorldTransform: {
        const QTransform transform = transformAt(record, 8);
        if (isFinite(transform) && transform.isInvertible())
            state_.world = transform;
        break;
    }
    default: { // ModifyWorldTransform
        const QTransform transform = transformAt(record, 8);
        const quint32 mode = record.u32(32);
        if (mode == kWorldIdentity)
            state_.world = QTransform();
        else if (!isFinite(transform))
            break;
        else if (mode == kWorldLeftMultiply)
            state_.world = transform * state_.world;
        else if (mode == kWorldRightMultiply)
            state_.world = state_.world * transform;
        else if (mode == kWorldSet)
            state_.world = transform;
        break;
    }
    }
    return record.ok();
}

bool EmfPlayback::playState(const EmfRecord& record) {
    switch (record.type()) {
    case Emf::kSetBkMode:
        state_.backgroundMode = record.u32(8);
        break;
    case Emf::kSetPolyFillMode:
        state_.fillRule = record.u32(8) == kWinding ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case Emf::kSetTextAlign:
        state_.textAlign = record.u32(8);
        break;
    case Emf::kSetTextColor:
        state_.textColor = colorOf(record.u32(8));
        break;
    case Emf::kSetBkColor:
        state_.backgroundColor = colorOf(record.u32(8));
        break;
    case Emf::kMoveToEx:
        state_.position = record.point(8);
        if (inPath_ && record.ok())
            path_.moveTo(state_.position);
        break;
    case Emf::kSaveDc:
        saved_.append(state_);
        if (painter_)
            painter_->save();
        break;
    case Emf::kRestoreDc:
        restoreState(record.i32(8));
        break;
    case Emf::kIntersectClipRect: {
        const QRectF box = boxAt(record, 8);
        if (record.ok())
            clipTo(box);
        break;
    }
    default: // ExtSelectClipRgn: only "no region" (back to the whole page) is followed
        if (record.u32(8) == 0 && record.u32(12) == kRegionCopy)
            resetClip();
        break;
    }
    return record.ok();
}

// A negative index counts back from the last saved state, a positive one names it from the
// first; an index outside the saved states changes nothing.
void EmfPlayback::restoreState(qint32 which) {
    const qsizetype index = which < 0 ? saved_.size() + which : qsizetype(which) - 1;
    if (index < 0 || index >= saved_.size())
        return;
    state_ = saved_[index];
    while (saved_.size() > index) {
        saved_.removeLast();
        if (painter_)
            painter_->restore();
    }
}

void EmfPlayback::clipTo(const QRectF& logicalRect) {
    if (!painter_)
        return;
    painter_->setTransform(logicalToTarget() * base_);
    painter_->setClipRect(logicalRect, Qt::IntersectClip);
}

void EmfPlayback::resetClip() {
    if (painter_)
        painter_->setClipping(false);
}

bool EmfPlayback::playObject(const EmfRecord& record) {
    switch (record.type()) {
    case Emf::kSelectObject:
        selectObject(record.u32(8));
        break;
    case Emf::kCreatePen:
        createPen(record);
        break;
    case Emf::kExtCreatePen:
        createExtendedPen(record);
        break;
    case Emf::kCreateBrushIndirect:
        createBrush(record);
        break;
    case Emf::kExtCreateFontIndirectW:
        if (const auto created = parseFontRecord(record))
            objects_.insert(created->handle, created->font);
        break;
    default: // DeleteObject: the selected copy stays in use, as in a device context
        objects_.remove(record.u32(8));
        break;
    }
    return record.ok();
}

void EmfPlayback::createPen(const EmfRecord& record) {
    const QPen pen = penOf(record.u32(12), record.i32(16), record.u32(24));
    if (record.ok())
        objects_.insert(record.u32(8), pen);
}

void EmfPlayback::createExtendedPen(const EmfRecord& record) {
    const quint32 style = record.u32(28);
    const qint32 width = (style & kGeometricPen) ? record.i32(32) : 0;
    const QPen pen = penOf(style, width, record.u32(40));
    if (record.ok())
        objects_.insert(record.u32(8), pen);
}

void EmfPlayback::createBrush(const EmfRecord& record) {
    const QBrush brush = brushOf(record.u32(12), record.u32(16), record.u32(20));
    if (record.ok())
        objects_.insert(record.u32(8), brush);
}

void EmfPlayback::selectObject(quint32 handle) {
    GdiObject object;
    if (handle & Emf::kStockObjectFlag) {
        object = stockObject(handle & ~Emf::kStockObjectFlag);
    } else {
        const auto found = objects_.constFind(handle);
        if (found == objects_.constEnd())
            return; // an unknown handle selects nothing
        object = *found;
    }
    if (const auto* pen = std::get_if<QPen>(&object))
        state_.pen = *pen;
    else if (const auto* brush = std::get_if<QBrush>(&object))
        state_.brush = *brush;
    else
        state_.font = std::get<EmfFont>(object);
}

bool EmfPlayback::playShape(const EmfRecord& record) {
    QPainterPath shape;
    switch (record.type()) {
    case Emf::kLineTo: {
        const QPointF to = record.point(8);
        if (!record.ok())
            return false;
        addLines(QPolygonF({to}), true);
        return true;
    }
    case Emf::kRectangle:
        shape.addRect(boxAt(record, 8));
        break;
    case Emf::kRoundRect: {
        const QPointF corner(record.i32(24), record.i32(28));
        shape.addRoundedRect(boxAt(record, 8), corner.x() / 2, corner.y() / 2);
        break;
    }
    case Emf::kEllipse:
        shape.addEllipse(boxAt(record, 8));
        break;
    default: { // SetPixelV
        const QPointF point = record.point(8);
        shape.addRect(QRectF(point, QSizeF(1, 1)));
        if (!record.ok())
            return false;
        const QBrush saved = state_.brush;
        state_.brush = QBrush(colorOf(record.u32(16)));
        drawShape(shape, false, true);
        state_.brush = saved;
        return record.ok();
    }
    }
    if (!record.ok())
        return false;
    drawShape(shape, true, true);
    return true;
}

QList<QPolygonF> EmfPlayback::readPolygons(const EmfRecord& record, bool shortPoints,
                                           bool many) const {
    const qsizetype pointSize = shortPoints ? 4 : 8;
    QList<qsizetype> counts;
    qsizetype pointsAt = 28;
    if (many) {
        const qsizetype polygons = record.u32(24);
        const qsizetype total = record.u32(28);
        if (!record.has(32, polygons * 4) || !record.has(32 + polygons * 4, total * pointSize))
            return {};
        qsizetype sum = 0;
        for (qsizetype index = 0; index < polygons; ++index) {
            counts.append(record.u32(32 + index * 4));
            sum += counts.last();
        }
        if (sum != total)
            return {};
        pointsAt = 32 + polygons * 4;
    } else {
        counts.append(record.u32(24));
        if (!record.has(pointsAt, counts.first() * pointSize))
            return {};
    }
    QList<QPolygonF> polygons;
    for (const qsizetype count : counts) {
        QPolygonF polygon;
        polygon.reserve(count);
        for (qsizetype index = 0; index < count; ++index, pointsAt += pointSize)
            polygon.append(shortPoints ? QPointF(record.i16(pointsAt), record.i16(pointsAt + 2))
                                       : QPointF(record.point(pointsAt)));
        polygons.append(polygon);
    }
    return polygons;
}

bool EmfPlayback::playPolyShape(const EmfRecord& record) {
    const quint32 type = record.type();
    const bool shortPoints = type >= Emf::kPolyBezier16 && type <= Emf::kPolyPolygon16;
    const bool many = type == Emf::kPolyPolyline || type == Emf::kPolyPolygon ||
                      type == Emf::kPolyPolyline16 || type == Emf::kPolyPolygon16;
    const QList<QPolygonF> polygons = readPolygons(record, shortPoints, many);
    if (!record.ok() || polygons.isEmpty())
        return false;
    switch (type) {
    case Emf::kPolyLineTo:
    case Emf::kPolylineTo16:
        addLines(polygons.first(), true);
        return true;
    case Emf::kPolyBezier:
    case Emf::kPolyBezier16:
        addBeziers(polygons.first(), false);
        return true;
    case Emf::kPolyBezierTo:
    case Emf::kPolyBezierTo16:
        addBeziers(polygons.first(), true);
        return true;
    default:
        break;
    }
    const bool closed = type == Emf::kPolygon || type == Emf::kPolygon16 ||
                        type == Emf::kPolyPolygon || type == Emf::kPolyPolygon16;
    QPainterPath shape;
    shape.setFillRule(state_.fillRule);
    for (QPolygonF polygon : polygons) {
        if (closed && !polygon.isEmpty())
            polygon.append(polygon.first());
        shape.addPolygon(polygon);
    }
    drawShape(shape, true, closed);
    return true;
}

void EmfPlayback::addLines(const QPolygonF& points, bool fromCurrent) {
    QPainterPath lines;
    lines.moveTo(fromCurrent || points.isEmpty() ? state_.position : points.first());
    for (const QPointF point : points)
        lines.lineTo(point);
    if (!points.isEmpty())
        state_.position = points.last();
    if (inPath_)
        path_.connectPath(lines);
    else
        drawShape(lines, true, false);
}

void EmfPlayback::addBeziers(const QPolygonF& points, bool fromCurrent) {
    QPainterPath curves;
    qsizetype index = 0;
    if (fromCurrent) {
        curves.moveTo(state_.position);
    } else if (!points.isEmpty()) {
        curves.moveTo(points.first());
        index = 1;
    }
    for (; index + 2 < points.size(); index += 3)
        curves.cubicTo(points[index], points[index + 1], points[index + 2]);
    state_.position = curves.currentPosition();
    if (inPath_)
        path_.connectPath(curves);
    else
        drawShape(curves, true, false);
}

bool EmfPlayback::playPath(const EmfRecord& record) {
    switch (record.type()) {
    case Emf::kBeginPath:
        inPath_ = true;
        path_ = QPainterPath();
        path_.setFillRule(state_.fillRule);
        path_.moveTo(state_.position);
        break;
    case Emf::kEndPath:
        inPath_ = false;
        break;
    case Emf::kCloseFigure:
        path_.closeSubpath();
        break;
    case Emf::kAbortPath:
        inPath_ = false;
        path_ = QPainterPath();
        break;
    default: {
        const bool fill = record.type() != Emf::kStrokePath;
        const bool stroke = record.type() != Emf::kFillPath;
        inPath_ = false;
        path_.setFillRule(state_.fillRule);
        drawShape(path_, stroke, fill);
        path_ = QPainterPath();
        break;
    }
    }
    return true;
}

// How far a pen's ink reaches beyond the outline, in target units: mitred corners reach out up
// to twice the pen's width.
qreal EmfPlayback::penReach(const QPen& pen, const QTransform& transform) {
    if (pen.style() == Qt::NoPen)
        return 0;
    const qreal scale = std::hypot(transform.m11(), transform.m12());
    return 2 * (pen.isCosmetic() ? pen.widthF() : pen.widthF() * scale);
}

void EmfPlayback::drawShape(const QPainterPath& shape, bool stroke, bool fill) {
    if (inPath_) {
        path_.addPath(shape);
        budget_.chargePath(path_.elementCount());
        return;
    }
    const QTransform toTarget = logicalToTarget();
    if (!isFinite(toTarget) || !toTarget.isInvertible())
        return; // a collapsed or broken mapping shows nothing
    QPen pen = stroke ? state_.pen : QPen(Qt::NoPen);
    const QPainterPath onTarget = toTarget.map(shape);
    const qreal reach = penReach(pen, toTarget);
    const bool smoothed = budget_.chargeShape(onTarget, reach);
    // A shape wholly off the page (antialiasing reaches a pixel further) is not drawn.
    const QRectF ink =
        onTarget.controlPointRect().adjusted(-reach - 1, -reach - 1, reach + 1, reach + 1);
    if (!painter_ || budget_.exceeded() || !ink.intersects(page_))
        return;
    const qreal scale = std::hypot(toTarget.m11(), toTarget.m12());
    if (pen.widthF() * scale > kLargestDrawing) {
        pen.setCosmetic(true);
        pen.setWidthF(kLargestDrawing);
    }
    painter_->setTransform(toTarget * base_);
    painter_->setPen(pen);
    painter_->setBrush(fill ? state_.brush : QBrush(Qt::NoBrush));
    painter_->setRenderHint(QPainter::Antialiasing, smoothed);
    painter_->drawPath(shape);
    painter_->setRenderHint(QPainter::Antialiasing); // text and the next shape are smoothed
}

bool EmfPlayback::playText(const EmfRecord& record) {
    const auto text = parseTextOut(record);
    if (!text)
        return false;
    const QRectF box = boxAt(record, 56);
    budget_.chargeText(text->text.size());
    if (!painter_ || text->text.isEmpty() || budget_.exceeded())
        return true;
    painter_->save();
    painter_->setTransform(logicalToTarget() * base_);
    if (text->options & kTextOptionClipped)
        painter_->setClipRect(box, Qt::IntersectClip);
    if (text->options & kTextOptionOpaque)
        painter_->fillRect(box, state_.backgroundColor);
    drawText(*text);
    painter_->restore();
    return true;
}

// The characters are placed one by one: each at the reference point plus the advances of the
// characters before it, all in logical units mapped to the target, so each lands in its cell.
void EmfPlayback::drawText(const EmfText& text) {
    const QTransform toTarget = logicalToTarget();
    if (!isFinite(toTarget) || !toTarget.isInvertible())
        return;
    const qreal scaleX = std::hypot(toTarget.m11(), toTarget.m12());
    const qreal scaleY = std::hypot(toTarget.m21(), toTarget.m22());
    const EmfFont& font = state_.font;
    qreal emPixels = font.height < 0 ? -qreal(font.height) * scaleY : kDefaultEmPixels;
    if (emPixels > kLargestDrawing)
        return;
    QRawFont raw = EmfFonts::rawFont(font, qMax<qreal>(emPixels, 1));
    if (font.height > 0 && raw.isValid()) {
        // A positive height is the cell height: ascent plus descent.
        emPixels = font.height * scaleY * raw.pixelSize() / (raw.ascent() + raw.descent());
        raw = EmfFonts::rawFont(font, qMax<qreal>(emPixels, 1));
    }
    if (!raw.isValid() || scaleX <= 0 || emPixels > kLargestDrawing)
        return;
    const QList<quint32> glyphs = raw.glyphIndexesForString(text.text);
    QList<qreal> advances;
    if (text.advances.size() >= glyphs.size()) {
        for (qsizetype index = 0; index < glyphs.size(); ++index)
            advances.append(text.advances[index] * scaleX);
    } else {
        for (const QPointF advance : raw.advancesForGlyphIndexes(glyphs))
            advances.append(advance.x());
    }
    qreal width = 0;
    for (const qreal advance : advances)
        width += advance;

    const quint32 align = state_.textAlign;
    const bool updatesPosition = align & Emf::kAlignUpdateCp;
    const QPointF reference = updatesPosition ? state_.position : QPointF(text.reference);
    qreal x = 0;
    if ((align & Emf::kAlignHorizontalMask) == Emf::kAlignCenter)
        x = -width / 2;
    else if ((align & Emf::kAlignHorizontalMask) == Emf::kAlignRight)
        x = -width;
    qreal baseline = 0;
    if ((align & Emf::kAlignVerticalMask) == 0)
        baseline = raw.ascent();
    else if ((align & Emf::kAlignVerticalMask) == Emf::kAlignBottom)
        baseline = -raw.descent();
    if (updatesPosition)
        state_.position = reference + QPointF(width / scaleX, 0);

    QList<QPointF> positions;
    for (const qreal advance : advances) {
        positions.append(QPointF(x, baseline));
        x += advance;
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    const QPointF origin = toTarget.map(reference);
    painter_->setTransform(
        QTransform::fromTranslate(origin.x(), origin.y()).rotate(-qreal(font.escapement) / 10.0) *
        base_);
    painter_->setPen(state_.textColor);
    painter_->drawGlyphRun(QPointF(0, 0), run);
}

// StretchDIBits, and BitBlt / StretchBlt with or without a source bitmap. Without one, the
// destination is filled with the brush, white or black as the raster operation says.
bool EmfPlayback::playBitmap(const EmfRecord& record) {
    const bool stretchDib = record.type() == Emf::kStretchDiBits;
    const QPointF destination = record.point(24);
    const QSizeF destinationSize = stretchDib ? QSizeF(record.i32(72), record.i32(76))
                                              : QSizeF(record.i32(32), record.i32(36));
    const qsizetype bitmapFields = stretchDib ? 48 : 84;
    const QPointF sourceAt = stretchDib ? QPointF(record.point(32)) : QPointF(record.point(44));
    QSizeF sourceSize = stretchDib ? QSizeF(record.i32(40), record.i32(44)) : destinationSize;
    if (record.type() == Emf::kStretchBlt)
        sourceSize = QSizeF(record.i32(100), record.i32(104));
    const quint32 operation = stretchDib ? record.u32(68) : record.u32(40);
    const qsizetype headerAt = record.u32(bitmapFields);
    const qsizetype headerSize = record.u32(bitmapFields + 4);
    const qsizetype bitsAt = record.u32(bitmapFields + 8);
    const qsizetype bitsSize = record.u32(bitmapFields + 12);
    if (!record.ok())
        return false;
    const QRectF target(destination, destinationSize);
    if (headerSize == 0) {
        const QBrush saved = state_.brush;
        if (operation == kWhiteness || operation == kBlackness)
            state_.brush = QBrush(operation == kWhiteness ? Qt::white : Qt::black);
        if (operation == kPatternCopy || operation == kWhiteness || operation == kBlackness) {
            QPainterPath area;
            area.addRect(target.normalized());
            drawShape(area, false, true);
        }
        state_.brush = saved;
        return true;
    }
    if (!record.has(headerAt, headerSize) || !record.has(bitsAt, bitsSize))
        return false;
    QPainterPath area;
    area.addRect(target.normalized());
    budget_.chargeShape(logicalToTarget().map(area), 0);
    if (painter_ && !budget_.exceeded())
        drawBitmap(target, deviceIndependentBitmap(record, headerAt, headerSize, bitsAt, bitsSize),
                   QRectF(sourceAt, sourceSize));
    return true;
}

void EmfPlayback::drawBitmap(const QRectF& target, const QImage& bitmap, const QRectF& source) {
    const QTransform toTarget = logicalToTarget();
    if (bitmap.isNull() || !isFinite(toTarget) || !toTarget.isInvertible())
        return;
    painter_->setTransform(toTarget * base_);
    painter_->drawImage(target, bitmap, source);
}
