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

// The electronic filing sheet on two columns: the notice first when there is one, then each
// section's fields with the values to key in.
ReportDocument filingSheetReport(const FilingSheet& sheet);
