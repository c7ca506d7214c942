#include "forms/export/MultiPageTiffWriter.h"

#include <tiffio.h>

namespace {

void setPageTags(TIFF* tiff, const MonoRaster& page, int index, int pageCount) {
    TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, FILETYPE_PAGE);
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(page.width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(page.height));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(1));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(1));
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(page.height));
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX3);
    TIFFSetField(tiff, TIFFTAG_GROUP3OPTIONS, uint32_t(0)); // one-dimensional, no fill bits
    TIFFSetField(tiff, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
    TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    TIFFSetField(tiff, TIFFTAG_XRESOLUTION, float(MultiPageTiffWriter::kDotsPerInch));
    TIFFSetField(tiff, TIFFTAG_YRESOLUTION, float(MultiPageTiffWriter::kDotsPerInch));
    TIFFSetField(tiff, TIFFTAG_PAGENUMBER, uint16_t(index), uint16_t(pageCount));
    const QByteArray name = QByteArrayLiteral("Page ") + QByteArray::number(index + 1);
    TIFFSetField(tiff, TIFFTAG_PAGENAME, name.constData());
}

} // namespace

MultiPageTiffWriter::MultiPageTiffWriter(const QString& path, int pageCount)
    : tiff_(path, TiffFile::Mode::Write), pageCount_(pageCount) {}

bool MultiPageTiffWriter::writePage(const MonoRaster& page) {
    TIFF* tiff = tiff_.get();
    if (!tiff || page.isNull() || page.bits.size() < qsizetype(page.bytesPerRow()) * page.height)
        return false;
    setPageTags(tiff, page, pagesWritten_, pageCount_);
    for (int y = 0; y < page.height; ++y) {
        // libtiff takes a non-const buffer but does not change the row.
        if (TIFFWriteScanline(tiff, const_cast<uchar*>(page.row(y)), uint32_t(y), 0) < 0)
            return false;
    }
    if (!TIFFWriteDirectory(tiff))
        return false;
    ++pagesWritten_;
    return true;
}

bool MultiPageTiffWriter::close() {
    return tiff_.close();
}
