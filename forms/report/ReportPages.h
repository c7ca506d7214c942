#pragma once

#include "forms/PageEntry.h"
#include "forms/report/ReportDocument.h"

// Lays the document out on letter pages (Arial, margins of three quarters of an inch, half an
// inch on a compact document; the title and heading on the first page, "Page n of m" in every
// footer) and makes each page a page image kept in memory, so the pages print as the return's
// own pages do. Empty when a page could not be made.
PageList reportPages(const ReportDocument& document);

// The same pages as a PDF document of Letter pages, drawn as vector graphics with their text
// kept as text, so that it can be selected and searched. Empty when it could not be made.
QByteArray reportPdf(const ReportDocument& document);
