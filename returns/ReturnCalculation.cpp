#include "returns/ReturnCalculation.h"

#include "returns/MotorFuel.h"
#include "returns/St1Calculation.h"

int computeAll(ReturnRecord& record, StepRecorder steps) {
    // computeSt1 computes the local returns and the worksheet total before its own lines.
    const int status = computeSt1(record, steps);
    computeMotorFuel(record, steps);
    return status;
}

int computeAll(ReturnRecord& record, CalculationSteps& steps) {
    steps.clear();
    return computeAll(record, StepRecorder(steps));
}
