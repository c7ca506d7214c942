#include "returns/ReturnCalculation.h"

#include "returns/MotorFuel.h"
#include "returns/St1Calculation.h"

int computeAll(ReturnRecord& record) {
    // computeSt1 computes the local returns and the worksheet total before its own lines.
    const int status = computeSt1(record);
    computeMotorFuel(record);
    return status;
}
