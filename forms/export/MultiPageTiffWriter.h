#pragma once

#include "forms/export/G3Page.h"
#include "forms/export/TiffFile.h"

#include <QString>

// Writes black-and-white pages, one after the other, as one multi-page TIFF file: CCITT
// Group 3 one-dimensional, white-is-zero, 200 dots per inch, each page with its page number
// (this page, total) and the page name "Page n". Pages come encoded (G3Page), so writing one
// only stores its strip.
class MultiPageTiffWriter {
public:
    static constexpr int kDotsPerInch = 200;

    // Opens (replaces) the file for a TIFF of `pageCount` pages.
    MultiPageTiffWriter(const QString& path, int pageCount);
    MultiPageTiffWriter(const MultiPageTiffWriter&) = delete;
    MultiPageTiffWriter& operator=(const MultiPageTiffWriter&) = delete;

    bool isOpen() const { return tiff_.get() != nullptr; }
    // Appends the next page; false when it cannot be written (the file is then unusable).
    bool writePage(const G3Page& page);
    // Finishes the file; false when the last bytes could not be written.
    bool close();

private:
    TiffFile tiff_;
    int pageCount_ = 0;
    int pagesWritten_ = 0;
};
