#include "returns/explain/NumberText.h"

#include "returns/explain/WordsText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(NumberText, PlainNumbersHaveTenSignificantDigitsAtMostAndNoTrailingZeros) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0625, "0.0625"},
        {1.0175, "1.0175"},
        {0.2, "0.2"},
        {40, "40"},
        {-0.5, "-0.5"},
        {0.1 + 0.2, "0.3"},
        {0.0001, "0.0001"},
        {0.00001, "1e-05"},
        {1234567890, "1234567890"},
        {12345678901.0, "1.23456789e+10"},
        {2.0 / 3.0, "0.6666666667"},
        {9999999999.5, "1e+10"},
        {0.00012345678901, "0.000123456789"},
        {0.0, "0"},
        {-0.0, "0"},
        {std::numeric_limits<double>::denorm_min(), "4.940656458e-324"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberText::plain(c.value), QString::fromLatin1(c.text)) << c.value;
}

// Rates, factors and shares of up to ten digits, and near them, are written as "%.10g" writes
// them in the "C" locale.
TEST(NumberText, PlainNumbersMatchTheGeneralConversionOfTenDigits) {
    for (int step = -20000; step <= 20000; ++step) {
        for (const double scale : {1e-6, 1e-4, 1e-2, 1.0, 1e3, 1e7}) {
            const double value = step * scale / 7;
            for (const double near : {value, std::nextafter(value, 1e300), step * scale})
                ASSERT_EQ(NumberText::plain(near), QString::number(near, 'g', 10)) << near;
        }
    }
}

TEST(WordsText, KeepsEveryPieceBeyondItsFirstRoomAndCapitalizesAnyLetter) {
    WordsText text;
    QString expected;
    for (int piece = 0; piece < 300; ++piece) {
        text += QLatin1String("\xe9t\xe9 ");
        text += QStringView(u"\u2212 ");
        expected += QStringLiteral("\u00e9t\u00e9 \u2212 ");
    }
    text.capitalize(0);
    expected[0] = QChar(0xc9);
    EXPECT_EQ(text.toString(), expected);
    EXPECT_EQ(text.sliced(text.size() - 2), QStringLiteral("\u2212 "));
}
