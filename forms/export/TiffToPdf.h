#pragma once

#include <QDate>
#include <QString>

// The document information strings of a PDF. Empty texts are written as empty strings; a null
// date writes today's.
struct PdfDocumentInfo {
    QString creator;
    QString author;
    QString producer;
    QString title;
    QString subject;
    QString keywords;
    QDate creationDate;
};

// Turns a (multi-page) TIFF into a PDF 1.2 file with one letter-size page per TIFF page, each
// page showing the TIFF page's image stretched over the whole page. The image data are the
// TIFF's own compressed strips, passed through unchanged (CCITT, LZW, PackBits), so nothing
// is decoded or re-encoded. Every line of the file ends with a carriage return alone.
//
// The PDF is written to a temporary file beside `pdfPath` and renamed over it at the end, so
// a failure leaves no half-written file under that name. On failure `error` receives the
// reason: "Unable to open file.", "CMYK File Format not accepted", "Error in function <name>"
// for an object that could not be written, or "Error in convertTiffToPdf".
bool convertTiffToPdf(const QString& tiffPath, const QString& pdfPath, const PdfDocumentInfo& info,
                      QString* error = nullptr);
