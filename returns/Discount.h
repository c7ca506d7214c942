#pragma once

#include "returns/RoundDollars.h"
#include "returns/explain/StepRecorder.h"

// The retailer's discount of a return filed and paid on time: 1.75 % of the tax on the line
// `taxLine`, rounded to whole dollars; nothing for a late return. `steps` hears which applied.
Dollars retailersDiscount(Figure discountLine, Figure taxLine, Dollars tax, bool onTime,
                          StepRecorder steps);
