#include "forms/export/G3Page.h"

#include "forms/export/TiffFile.h"

#include <QBuffer>
#include <tiffio.h>

namespace {

// The memory a thread encodes its pages in, kept from page to page: the TIFF libtiff writes
// and libtiff's buffer for the encoded bytes. Pages of one size then cost no fresh buffers,
// nor the kernel's mapping of them.
class EncodingMemory {
public:
    static EncodingMemory& current() {
        thread_local EncodingMemory memory;
        return memory;
    }

    QByteArray* tiff() { return &tiff_; }
    // libtiff's buffer for a strip of `rasterSize` bytes: a tenth more than the raster, as
    // libtiff sizes its own. A strip that does not fit is written out in parts, so the size
    // only saves work.
    void lendEncodedBuffer(TIFF* tiff, qsizetype rasterSize) {
        const qsizetype size = rasterSize + rasterSize / 10;
        if (encoded_.size() < size)
            encoded_.resize(size);
        TIFFWriteBufferSetup(tiff, encoded_.data(), tmsize_t(encoded_.size()));
    }

private:
    EncodingMemory() = default;

    QByteArray tiff_;
    QByteArray encoded_;
};

} // namespace

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
    EncodingMemory& memory = EncodingMemory::current();
    QBuffer device(memory.tiff());
    const TiffFile tiff(device);
    if (!tiff.get())
        return {};
    setG3EncodingTags(tiff.get(), raster.width, raster.height);
    memory.lendEncodedBuffer(tiff.get(), size);
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
            memory.tiff()->mid(qsizetype(offsets[0]), qsizetype(lengths[0]))};
}
