#pragma once

#include "forms/filling/FillContext.h"
#include "forms/filling/FilledForm.h"

struct ReturnRecord;

// ST-4, the Metropolitan Pier and Exposition Authority food and beverage tax return
// (image 501).
class St4Form : public FilledForm {
public:
    St4Form();

    // Computes ST-4 and writes the page; false at the first write that fails.
    bool fill(ReturnRecord& record, const FillContext& context);
};
