#pragma once

#include "forms/PageEntry.h"
#include "forms/preview/PageImages.h"

#include <QDate>
#include <QString>

// The preview document: an RTF file with one picture per page, the page's EMF bytes embedded
// as they are, each shown at 8.5 x 11 inches. "Save As" with a .doc name copies it.

// "<folder>/<business name>-<month>-<day>-<year>.doc" (March 9, 2005 gives "...-3-9-2005.doc").
// The name's \ / : * ? " < > | become spaces and white space around it is dropped, so any
// business name makes a file name. `folder` ends with a separator.
QString previewDocumentPath(const QString& folder, const QString& businessName, QDate today);

// Writes the document for the page images in list order; an empty image (a page file that is
// missing, empty or unreadable) is left out. False, with no file left, when an image is not an
// EMF page image or the document cannot be written completely.
bool writePreviewDocument(const QString& path, const PageImages& images);
// The same for the pages of a list, their files read once.
bool writePreviewDocument(const QString& path, const PageList& pages);

// Whether the preview can be loaded from what was written: the document opens again and every
// page has its image. A page file (of a return taken back from the history) that vanished after
// it was unpacked would otherwise show as a blank sheet and print as one.
bool previewDocumentLoads(const QString& path, const PageImages& images);
