#include "returns/RoundDollars.h"

#include <cmath>
#include <limits>

Dollars roundDollars(double amount) {
    const double shifted = std::trunc(amount + 0.5001);
    if (std::isnan(shifted))
        return 0;
    // 2^63 is exactly representable; every double below it converts without overflow.
    constexpr double kLimit = 9223372036854775808.0;
    if (shifted >= kLimit)
        return std::numeric_limits<Dollars>::max();
    if (shifted < -kLimit)
        return std::numeric_limits<Dollars>::min();
    return static_cast<Dollars>(shifted);
}
