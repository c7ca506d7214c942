#pragma once

#include "forms/filling/FilledForm.h"

struct ReturnRecord;

// The gasohol exemption worksheet (image 504): how worksheet item 8b comes about.
class GasoholWorksheetForm : public FilledForm {
public:
    GasoholWorksheetForm();

    // Writes the worksheet from the motor fuel calculation and the period text of the ST-1
    // fill; false at the first write that fails.
    bool fill(const ReturnRecord& record);
};
