#pragma once

#include "forms/filling/FillContext.h"
#include "forms/filling/FilledForm.h"

struct ReturnRecord;

// ST-8, the tire user fee return (image 502).
class St8Form : public FilledForm {
public:
    St8Form();

    // Computes ST-8 and writes the page; false at the first write that fails.
    bool fill(ReturnRecord& record, const FillContext& context);
};
