#include "forms/multisite/LocationPreparation.h"

#include "forms/filling/FormSet.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "returns/multisite/LocationResult.h"

bool startLocationPreparation(ReturnRecord& record, FormSet& set, const ReturnPeriod& period,
                              const ClientRecord& locationClient, const FillContext& context) {
    resetReturn(record);
    setPeriod(record, period);
    computeAll(record);
    resetFormData(set);
    const bool filled = fillFromEmptyReturn(set, record, context);
    takeClient(record, locationClient);
    return filled;
}

int storePreparedLocation(LocationResult& entry, ReturnRecord& record) {
    record.summary = ReturnSummary();
    CalculationSteps steps;
    const int status = computeAll(record, steps);
    if (status == kSt1BasesDoNotAddUp)
        return status;
    entry.prepared = true;
    entry.fuelSales = record.fuelSales;
    entry.steps = std::move(steps);
    entry.st1 = record.st1;
    entry.worksheet = record.worksheet;
    entry.st8 = record.st8;
    entry.st14 = record.st14;
    entry.st4 = record.st4;
    return kSt1Ok;
}
