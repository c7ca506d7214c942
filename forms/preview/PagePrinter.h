#pragma once

#include "forms/PageEntry.h"

class QPrinter;

// Prints the pages on the printer, one sheet per page in list order, as the job "Vantrobe":
// each page file drawn over the whole printable area and, above it, the page's caption in
// Arial 10 pt with its top-left corner at half the printable width and a fourteenth of the
// printable height. A sheet that cannot be started or a page image that cannot be read aborts
// the job. Nothing is printed for an empty list. False when the job failed.
bool printPages(const PageList& pages, QPrinter& printer);
