#pragma once

#include "forms/PageEntry.h"
#include "forms/filling/FillContext.h"

#include <QString>

struct FormSet;
struct ReturnRecord;

// Why the pages of a return could not be generated; each has its message.
enum class GenerationFailure {
    None,
    St1BasesDoNotAddUp, // lines 4a to 8a miss line 3
    St1Page1,
    St1Page2,
    St14,
    St4,
    St8,
    GasoholWorksheet,
};

// The message box text of a failure; empty for None.
QString generationFailureMessage(GenerationFailure failure);

struct GeneratedReturn {
    GenerationFailure failure = GenerationFailure::None;
    PageList pages; // empty unless failure is None
};

// The "ID: 4178" line printed above ST-8 and ST-2 sheets.
QString vendorCaption(int vendorId);

// Single-site generation: fills every form in the order the fills hand texts on (ST-1 page 1,
// page 2, ST-14, ST-4, ST-8, gasohol worksheet) and makes a page, its image kept in memory, for
// each form the return takes: ST-1 pages 1 and 2 always, ST-14, ST-4 and ST-8 when the client
// files them (ST-8 with the vendor caption), the gasohol worksheet when `printGasoholWorksheet`
// is on and the worksheet has gallons. A failed fill stops the generation only for a form the
// return takes; then the pages are empty.
GeneratedReturn generateSingleSiteReturn(FormSet& set, ReturnRecord& record,
                                         const FillContext& context, bool printGasoholWorksheet);
