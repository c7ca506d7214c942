#pragma once

#include "forms/PageEntry.h"
#include "forms/report/ReportDocument.h"

// Lays the document out on letter pages (Arial, margins of three quarters of an inch, the
// title and heading on the first page, "Page n of m" in every footer) and writes each page as
// a page image file in the temporary folder ("RPT"), so the pages print and export as the
// return's own pages do. Empty, with no file left behind, when a page could not be written.
PageList writeReportPages(const ReportDocument& document);
