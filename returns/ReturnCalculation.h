#pragma once

#include "returns/explain/StepRecorder.h"

struct ReturnRecord;

// Computes every form of the return in the order the figures feed each other: ST-14, ST-4
// and ST-8 (their taxes are deducted on the ST-1 worksheet), the worksheet total, ST-1, then
// the motor fuel items and the gasohol worksheet. Returns the ST-1 status (kSt1Ok or
// kSt1BasesDoNotAddUp). A period without a valid year (isValidPeriod) computes with empty
// period texts; the caller reports kInvalidYearMessage. `steps` hears every step.
int computeAll(ReturnRecord& record, StepRecorder steps = {});
// The same, with `steps` emptied first and then holding every step of this computation.
int computeAll(ReturnRecord& record, CalculationSteps& steps);
