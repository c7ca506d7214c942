#include "forms/filling/ReturnForms.h"

#include "forms/filling/FormSet.h"
#include "returns/St1Calculation.h"

ReturnFormResults fillEveryForm(FormSet& set, ReturnRecord& record, const FillContext& context) {
    ReturnFormResults results;
    results.st1Page1 = set.st1.fill(record, context);
    if (results.st1Page1 == kSt1BasesDoNotAddUp)
        return results;
    results.st1Page2 = set.st1Worksheet.fill(record);
    if (results.st1Page1 == kSt1Ok)
        results.st14 = set.st14.fill(record, set.st1.st14ScanLine(), context);
    results.st4 = set.st4.fill(record, context);
    results.st8 = set.st8.fill(record, context);
    results.gasoholWorksheet = set.gasoholWorksheet.fill(record);
    return results;
}
