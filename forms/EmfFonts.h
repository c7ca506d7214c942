#pragma once

#include "forms/EmfFont.h"

#include <QRawFont>
#include <QString>

// The fonts page images name, as raw fonts for drawing glyphs at explicit positions. The
// Windows faces the images use map onto their metric-compatible Liberation faces; "OCRA" is
// the OCR-A face, from the program's OCRA____.TTF when one was registered, else the system's.
//
// Raw fonts are kept for the life of the thread that asked for them, one cache per thread
// (a raw font may only be used on the thread that made it), so every page drawn on a thread
// finds its fonts open and their glyphs already rasterised.
class EmfFonts {
public:
    // Registers the program's own font files (OCRA____.TTF) with the font database, once;
    // the first raw font asked for does it too.
    static void registerProgramFonts();
    // The family that draws a face name.
    static QString familyFor(const QString& face);

    // The raw font of a logical font, at the given pixel size.
    static QRawFont rawFont(const EmfFont& font, qreal pixelSize);
    // How many raw fonts this thread keeps at most: the least recently used goes first, so
    // zooming through every size keeps the cache small.
    static constexpr int kFontsPerThread = 48;
    // The advance of every character of `text` in the font's logical units (its em height
    // is -font.height), from the face's design metrics and rounded as running sums, so the
    // rounding never adds up along a line.
    static QList<qint32> designAdvances(const EmfFont& font, const QString& text);
};
