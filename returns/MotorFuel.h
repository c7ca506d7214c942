#pragma once

#include "returns/explain/StepRecorder.h"

struct MotorFuelItems;
struct ReturnRecord;

// The receipts of worksheet items 8a, 8c, 8e, 8g and 8i, derived from their exemptions by the
// exempt share of each fuel.
void setExemptionReceipts(MotorFuelItems& items, StepRecorder steps = {});

// Worksheet items 7 (state motor fuel tax) and 8 (specific fuels exemption), the home rule
// fuel tax of item 16d and the gasohol exemption worksheet, from the gallons and receipts of
// the fuel page, the client's home rule rates and the location's general rate. Clears the
// gasohol worksheet first. `steps` hears every step.
void computeMotorFuel(ReturnRecord& record, StepRecorder steps = {});
