#include "returns/multisite/PreparedLocation.h"

#include "returns/ReturnCalculation.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "returns/multisite/LocationResult.h"

int storePreparedLocation(LocationResult& entry, ReturnRecord& record) {
    record.summary = ReturnSummary();
    CalculationSteps steps;
    const int status = computeAll(record, steps);
    if (status == kSt1BasesDoNotAddUp)
        return status;
    entry.prepared = true;
    copyLocationSections(record, entry);
    entry.steps = std::move(steps);
    return kSt1Ok;
}
