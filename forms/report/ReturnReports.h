#pragma once

#include "forms/report/ReportDocument.h"

struct PreparedReturn;
struct ReturnExplanation;
struct FilingSheet;

// "How each figure was computed": every explained figure of the return as a row with its
// amount and its steps in words under it, by part (a multi-site return's combined return, then
// each location) and form.
ReportDocument explanationReport(const PreparedReturn& prepared,
                                 const ReturnExplanation& explanation);

// The electronic filing sheet, compact: the notice first when there is one, then the return's
// fields and the lines of each form on two columns, and the forms of every location (ST-2 rows,
// a multi-site return's ST-4, ST-8 and ST-14) as tables of a row per location and a column per
// line.
ReportDocument filingSheetReport(const FilingSheet& sheet);
