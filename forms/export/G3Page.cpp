#include "forms/export/G3Page.h"

#include "forms/export/TiffFile.h"

#include <QBuffer>
#include <tiffio.h>

void setG3EncodingTags(TIFF* tiff, int width, int height) {
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(height));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(1));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(1));
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(height));
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX3);
    TIFFSetField(tiff, TIFFTAG_GROUP3OPTIONS, uint32_t(0)); // one-dimensional, no fill bits
    TIFFSetField(tiff, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
}

// libtiff's encoder writes the page into a TIFF in memory; the strip is then cut out of it at
// the offset and length the TIFF records for it.
G3Page G3Page::encode(const MonoRaster& raster) {
    const qsizetype size = qsizetype(raster.bytesPerRow()) * raster.height;
    if (raster.isNull() || raster.bits.size() < size)
        return {};
    QBuffer memory;
    const TiffFile tiff(memory);
    if (!tiff.get())
        return {};
    setG3EncodingTags(tiff.get(), raster.width, raster.height);
    // libtiff takes a non-const buffer but does not change the raster.
    if (TIFFWriteEncodedStrip(tiff.get(), 0, const_cast<char*>(raster.bits.constData()),
                              tmsize_t(size)) < 0)
        return {};
    const uint64_t* offsets = nullptr;
    const uint64_t* lengths = nullptr;
    if (!TIFFGetField(tiff.get(), TIFFTAG_STRIPOFFSETS, &offsets) ||
        !TIFFGetField(tiff.get(), TIFFTAG_STRIPBYTECOUNTS, &lengths) || !offsets || !lengths)
        return {};
    return {raster.width, raster.height,
            memory.buffer().mid(qsizetype(offsets[0]), qsizetype(lengths[0]))};
}
