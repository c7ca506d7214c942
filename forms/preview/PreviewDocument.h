#pragma once

#include "forms/PageEntry.h"

#include <QDate>
#include <QString>

// The preview document: an RTF file with one picture per page, the page file's EMF bytes
// embedded as they are, each shown at 8.5 x 11 inches. "Save As" with a .doc name copies it.

// "<folder>/<business name>-<month>-<day>-<year>.doc" (March 9, 2005 gives "...-3-9-2005.doc").
// The name's \ / : * ? " < > | become spaces and white space around it is dropped, so any
// business name makes a file name. `folder` ends with a separator.
QString previewDocumentPath(const QString& folder, const QString& businessName, QDate today);

// Writes the document for the pages in list order; a page whose file is missing or empty is
// left out. False, with no file left, when a page file is not an EMF page image or the
// document cannot be written completely.
bool writePreviewDocument(const QString& path, const PageList& pages);

// Whether the preview can be loaded from what was written: the document opens again and every
// listed page file can be read. A page file that vanished after it was generated would
// otherwise show as a blank sheet and print as one.
bool previewDocumentLoads(const QString& path, const PageList& pages);
