#include "forms/multisite/LocationPreparation.h"

#include "forms/filling/FormSet.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnRecord.h"

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
