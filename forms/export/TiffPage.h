#pragma once

#include <QByteArray>
#include <cstdint>

typedef struct tiff TIFF;

// What the PDF writer needs to know of the current page (directory) of an open TIFF.
struct TiffPage {
    uint32_t width = 0;
    uint32_t height = 0;
    uint16_t bitsPerSample = 1;
    uint16_t samplesPerPixel = 1;
    uint16_t photometric = 0;
    uint16_t compression = 1;
    uint16_t fillOrder = 1;
    QByteArray paletteRgb; // palette images: red, green, blue bytes per entry; else empty

    bool isCmyk() const;
    bool isPalette() const { return !paletteRgb.isEmpty(); }
    bool isColour() const;

    // The tags of the current directory.
    static TiffPage read(TIFF* tiff);
};

// The current page's compressed strips one after the other, bit-reversed when the file keeps
// the lowest bit first (fill order 2). False when a strip cannot be read.
bool readRawStrips(TIFF* tiff, const TiffPage& page, QByteArray& data);
