#pragma once

#include "returns/explain/Figure.h"

#include <QString>
#include <vector>

struct PreparedReturn;

// The pages a return's lines are printed on: the forms of the figures, and the ST-2 schedule
// of a multi-site return, whose rows print six lines of each location's ST-1.
enum class PrintedPage { St1, Worksheet, St2, St14, St4, St8, Gasohol };

// One amount line a page of the return prints, with the figure's value.
struct PrintedLine {
    PrintedPage page;
    int location = -1; // the location's row, for ST-2 rows and a location's own forms
    Figure figure;
    double value = 0;
};

// "ST-1", "ST-1 worksheet", "ST-2", "ST-14", "ST-4", "ST-8", "Gasohol worksheet".
QString pageName(PrintedPage page);

// Every amount line the return's pages print, in the order of the pages: ST-1, its worksheet,
// then for a single-site return the ST-14, ST-4 and ST-8 the client files and the gasohol
// worksheet when the return prints it; for a multi-site return the ST-2 rows of every location
// and each location's ST-8, ST-14 and ST-4 as the pages follow.
std::vector<PrintedLine> printedLines(const PreparedReturn& prepared);

// The six lines of a location's ST-1 an ST-2 row prints: 4a, 4b, 5a, 5b, 8a and 8b.
inline constexpr Figure kSt2RowLines[] = {Figure::St1Line4a, Figure::St1Line4b, Figure::St1Line5a,
                                          Figure::St1Line5b, Figure::St1Line8a, Figure::St1Line8b};
