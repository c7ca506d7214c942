#pragma once

#include "forms/filling/FillContext.h"
#include "forms/filling/FilledForm.h"

struct ReturnRecord;

// ST-14, the Chicago soft drink tax return (image 500).
class St14Form : public FilledForm {
public:
    St14Form();

    // Computes ST-14 and writes the page with the ST-14 scan line the ST-1 page 1 fill built;
    // false at the first write that fails.
    bool fill(ReturnRecord& record, const QString& st14ScanLine, const FillContext& context);
};
