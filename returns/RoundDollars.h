#pragma once

#include <cstdint>

// Whole-dollar amounts. 64 bits, so sums of the largest amounts the fields accept never
// overflow.
using Dollars = std::int64_t;

// Rounds an amount to whole dollars the way every line of the returns is rounded: add 0.5001
// and drop the fraction toward zero. 2.4999 gives 3, 2.4998 gives 2, -2.7 gives -2, and a
// negative whole amount moves one dollar toward zero (-5 gives -4). A value beyond the range
// of Dollars is held at its end; NaN gives 0.
Dollars roundDollars(double amount);
