#pragma once

#include "forms/export/MonoRaster.h"

#include <QByteArray>

typedef struct tiff TIFF;

// A black-and-white page encoded as the export's TIFF keeps it: CCITT Group 3, one-dimensional,
// no fill bits, white-is-zero, the whole page in one strip. Encoding a page needs no file, so
// each page is encoded on the thread that drew it and the TIFF only stores the strip.
struct G3Page {
    int width = 0;
    int height = 0;
    QByteArray strip;

    bool isNull() const { return strip.isEmpty(); }

    // The page encoded; a null page for a null raster or one libtiff could not encode.
    static G3Page encode(const MonoRaster& raster);
};

// Sets the tags that say how a page of the given size is encoded, on the current directory.
void setG3EncodingTags(TIFF* tiff, int width, int height);
