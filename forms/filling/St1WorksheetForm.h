#pragma once

#include "forms/filling/FilledForm.h"

struct ReturnRecord;

// ST-1 page 2 (image 190): the worksheet for line 2, the deductions.
class St1WorksheetForm : public FilledForm {
public:
    // Whether the fill brings the worksheet total up to date first.
    enum class Totals {
        Compute,    // every ordinary return: ST-14, ST-4 and ST-8 and the worksheet total
        AsCombined, // the combined return of a multi-site client, whose items the combination
                    // has summed and totalled
    };

    St1WorksheetForm();

    // Writes the page; false at the first write that fails. Runs after the page 1 fill, which
    // derives the period code.
    bool fill(ReturnRecord& record, Totals totals = Totals::Compute);
};
