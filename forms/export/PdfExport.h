#pragma once

#include "forms/PageEntry.h"

#include <QString>
#include <functional>

// How an export reports its progress and where it may keep its intermediate TIFF.
struct PdfExportOptions {
    // Called on the calling thread after each page is written, with the pages done and the
    // total; returning false cancels the export (it then fails and leaves nothing behind).
    std::function<bool(int done, int total)> progress;
    // When set, the intermediate TIFF is copied here before it is deleted (for checking it).
    QString keepTiffAs;
};

// Saves the first `count` pages of the list as a PDF file at `pdfPath`: each page image is
// rasterised to 1700 x 2200 black-and-white pixels, the pages go through a multi-page CCITT
// TIFF in the temporary folder ("TIF" prefix), and the TIFF is converted to the PDF. Pages are
// drawn, packed and encoded on every core while the finished ones are stored in order, so only
// a few encoded pages a core (never the whole return) are held at a time.
//
// False for any failure: a page whose image is missing, empty or not a page image, a TIFF or
// PDF that cannot be written, or a cancelled export. The temporary TIFF is always removed and
// the file at `pdfPath` is only ever replaced by a complete PDF.
bool exportPdf(const QString& pdfPath, const PageList& pages, int count,
               const PdfExportOptions& options = {});
