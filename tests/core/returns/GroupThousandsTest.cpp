#include "returns/GroupThousands.h"

#include <gtest/gtest.h>

TEST(GroupThousands, GroupsByThreesFromTheRightWithoutACommaAfterTheSign) {
    const struct {
        std::int64_t amount;
        const char* text;
    } cases[] = {
        {0, "0"},          {999, "999"},          {1000, "1,000"},
        {-500, "-500"},    {-123456, "-123,456"}, {1234567, "1,234,567"},
        {-1000, "-1,000"}, {100000, "100,000"},   {9999999999LL, "9,999,999,999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(groupThousands(c.amount), QString::fromLatin1(c.text)) << c.amount;
}
