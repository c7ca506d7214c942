#include "forms/export/MultiPageTiffWriter.h"

#include <tiffio.h>

namespace {

void setPageTags(TIFF* tiff, const G3Page& page, int index, int pageCount) {
    TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, FILETYPE_PAGE);
    setG3EncodingTags(tiff, page.width, page.height);
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

bool MultiPageTiffWriter::writePage(const G3Page& page) {
    TIFF* tiff = tiff_.get();
    if (!tiff || page.isNull())
        return false;
    setPageTags(tiff, page, pagesWritten_, pageCount_);
    // libtiff takes a non-const buffer but does not change the strip.
    if (TIFFWriteRawStrip(tiff, 0, const_cast<char*>(page.strip.constData()),
                          tmsize_t(page.strip.size())) < 0 ||
        !TIFFWriteDirectory(tiff))
        return false;
    ++pagesWritten_;
    return true;
}

bool MultiPageTiffWriter::close() {
    return tiff_.close();
}
