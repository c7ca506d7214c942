#include "forms/FieldText.h"

#include <gtest/gtest.h>

using FieldText::CentsGroup;

TEST(FieldText, FitTextPadsToTheWidthAndNeverCuts) {
    EXPECT_EQ(FieldText::fitText(QStringLiteral("ABC"), 5), QStringLiteral("ABC  "));
    EXPECT_EQ(FieldText::fitText(QString(), 4), QStringLiteral("    "));
    EXPECT_EQ(FieldText::fitText(QStringLiteral("12345"), 5), QStringLiteral("12345"));
    // One character too many comes back whole, so writing it into the field fails.
    EXPECT_EQ(FieldText::fitText(QStringLiteral("123456"), 5), QStringLiteral("123456"));
}

TEST(FieldText, AmountTextPutsTheCentsGroupInTheLastFourCells) {
    struct Case {
        qint64 amount;
        CentsGroup cents;
        int width;
        const char* expected;
    };
    const Case cases[] = {
        {1234, CentsGroup::Divided, 15, "       1234 00 "},
        {1234, CentsGroup::Decimal, 15, "       1234.00 "},
        {1234, CentsGroup::Whole, 15, "       1234    "},
        {1, CentsGroup::Divided, 14, "         1 00 "},
        {0, CentsGroup::Divided, 15, "               "},
        {-250, CentsGroup::Decimal, 15, "               "},
        {99999999999, CentsGroup::Divided, 15, "99999999999 00 "},
        // Twelve digits do not fit a 15-character field: the text is longer and the write fails.
        {999999999999, CentsGroup::Divided, 15, "999999999999 00 "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FieldText::amountText(c.amount, c.cents, c.width), QLatin1String(c.expected))
            << c.amount;
}

TEST(FieldText, RateTextDropsTheLeadingZero) {
    EXPECT_EQ(FieldText::rateText(0.0625), QStringLiteral(".0625"));
    EXPECT_EQ(FieldText::rateText(0.01), QStringLiteral(".0100"));
    EXPECT_EQ(FieldText::rateText(0.0), QStringLiteral(".0000"));
    EXPECT_EQ(FieldText::rateText(0.08999), QStringLiteral(".0900"));
    // Exact binary ties round to even, as the C library prints them.
    EXPECT_EQ(FieldText::rateText(0.03125), QStringLiteral(".0312"));
    // A rate that is not a fraction below one is never shown as a wrong fraction.
    EXPECT_EQ(FieldText::rateText(1.0625), QStringLiteral("1.0625"));
    EXPECT_EQ(FieldText::rateText(-0.0625), QStringLiteral("-0.0625"));
}

TEST(FieldText, SignatureLineEndsWithThePhoneAndCutsTheName) {
    struct Case {
        const char* name;
        const char* phone;
        int width;
        const char* expected;
    };
    const Case cases[] = {
        {"", "(217) 555-1234", 33, "                     217-555-1234"},
        {"Pat Preparer", "(217) 555-1234", 33, "Pat Preparer         217-555-1234"},
        // The name is cut so that one space still separates it from the phone.
        {"Abcdefghijklmnop", "555 1234", 20, "Abcdefghijk 555-1234"},
        // A phone as wide as the field leaves no room for the name.
        {"Name", "12345", 5, "12345"},
        {"Name", "1234", 5, " 1234"},
        {"", "", 4, "    "},
        {"Name", "", 6, "Name  "},
        // A phone wider than the field comes back whole, so the write fails.
        {"Name", "123456", 5, "123456"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FieldText::signatureLine(QLatin1String(c.name), QLatin1String(c.phone), c.width),
                  QLatin1String(c.expected))
            << c.name << " / " << c.phone;
}
