#pragma once

#include "forms/PageEntry.h"

class QPrinter;

#include <QRectF>

// Prints the pages on the printer, one sheet per page in list order, as the job "Vantrobe":
// each page image drawn over letterArea() of the printable area and, above it, the page's
// caption in Arial 10 pt with its top-left corner at half that area's width and a fourteenth of
// its height. A sheet that cannot be started or a page image that cannot be read aborts the
// job. Nothing is printed for an empty list. False when the job failed.
bool printPages(const PageList& pages, QPrinter& printer);

// The forms are Letter pages (8.5 x 11 in): the largest rectangle of those proportions inside
// the printable area, centred in it. On Letter paper that is (nearly) the printable area; on
// other paper (A4) the form is scaled to fit rather than stretched, which would move the scan
// lines and boxes the state reads.
QRectF letterArea(const QRectF& printable);
