#pragma once

#include <QByteArray>

// A black-and-white page raster: rows of packed bits, the leftmost pixel in the highest bit of
// the first byte, 1 for black, each row padded to whole bytes. This is the layout of a TIFF
// page with white-is-zero and of a PDF image decoded with /Decode [1 0].
struct MonoRaster {
    int width = 0;
    int height = 0;
    QByteArray bits;

    int bytesPerRow() const { return (width + 7) / 8; }
    bool isNull() const { return width <= 0 || height <= 0; }
    const uchar* row(int y) const {
        return reinterpret_cast<const uchar*>(bits.constData()) + qsizetype(y) * bytesPerRow();
    }
};
