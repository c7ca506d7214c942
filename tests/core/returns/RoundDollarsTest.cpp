#include "returns/RoundDollars.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(RoundDollars, AddsFiveThousandOneTenThousandthsAndDropsTheFractionTowardZero) {
    const struct {
        double amount;
        Dollars expected;
    } cases[] = {
        {2.4999, 3},
        {2.4998, 2},
        {0.01, 0},
        {0.0, 0},
        {0.4999, 1},
        {-2.7, -2},
        {-0.5, 0},
        {-0.5002, 0},
        {-5.0, -4},
        {-1.6, -1},
        {1234.5, 1235},
        {9999999999.99, 10000000000},
        {-9999999999.99, -9999999999},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundDollars(c.amount), c.expected) << "amount " << c.amount;
}

TEST(RoundDollars, HoldsValuesBeyondTheRangeAtItsEnds) {
    EXPECT_EQ(roundDollars(1e300), std::numeric_limits<Dollars>::max());
    EXPECT_EQ(roundDollars(-1e300), std::numeric_limits<Dollars>::min());
    EXPECT_EQ(roundDollars(std::numeric_limits<double>::infinity()),
              std::numeric_limits<Dollars>::max());
    EXPECT_EQ(roundDollars(std::nan("")), 0);
}
