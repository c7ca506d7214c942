#include "platform/AmountEntry.h"

#include <gtest/gtest.h>

namespace {
using AmountEntry::Refusal;

struct Case {
    const char* entered;
    const char* kept; // what the field holds; unused when refused
    Refusal refusal;
};

void expectReadings(std::initializer_list<Case> cases, const AmountEntry::Rules& rules) {
    for (const Case& c : cases) {
        const AmountEntry::Reading reading = AmountEntry::read(QString::fromUtf8(c.entered), rules);
        EXPECT_EQ(reading.refusal, c.refusal) << c.entered;
        if (c.refusal == Refusal::None) {
            EXPECT_EQ(reading.text, QString::fromUtf8(c.kept)) << c.entered;
        }
    }
}
} // namespace

TEST(AmountEntry, DollarsTakeWhatASpreadsheetGivesAndRefuseWhatWouldChangeTheAmount) {
    expectReadings({{"", "", Refusal::None},
                    {"1234.56", "1234.56", Refusal::None},
                    {"12.", "12.", Refusal::None},
                    {"1,234.56", "1234.56", Refusal::None},
                    {"$1,000.00", "1000.00", Refusal::None},
                    {" 2500.75 ", "2500.75", Refusal::None},
                    {"$ 1,234,567", "1234567", Refusal::None},
                    {"\u00a01234\t", "1234", Refusal::None},
                    {"1234567890.12", "1234567890.12", Refusal::None},
                    {"1,234,567,890", "1234567890", Refusal::None},
                    {"-500", "", Refusal::Negative},
                    {"$-500", "", Refusal::Negative},
                    {"500-", "", Refusal::Negative},
                    {"(500.00)", "", Refusal::Negative},
                    {"\u2212"
                     "5",
                     "", Refusal::Negative},
                    {"123456789012", "", Refusal::TooManyWholeDigits},
                    {"12,345,678,901", "", Refusal::TooManyWholeDigits},
                    {"1.2345", "", Refusal::TooManyDecimals},
                    {"1.234", "", Refusal::TooManyDecimals},
                    {"12,5", "", Refusal::NotANumber},
                    {"1,23", "", Refusal::NotANumber},
                    {"1234,567", "", Refusal::NotANumber},
                    {",123", "", Refusal::NotANumber},
                    {"1,234,56", "", Refusal::NotANumber},
                    {"1.2.3", "", Refusal::NotANumber},
                    {"12a", "", Refusal::NotANumber},
                    {"1 234", "", Refusal::NotANumber},
                    {"1e5", "", Refusal::NotANumber},
                    {"\u0661\u0662", "", Refusal::NotANumber},
                    {"$$5", "", Refusal::NotANumber}},
                   {});
}

TEST(AmountEntry, WholeNumbersTakeThousandsSeparatorsButNoDecimalsOrDollarSign) {
    AmountEntry::Rules whole;
    whole.wholeNumber = true;
    expectReadings({{"1,234", "1234", Refusal::None},
                    {" 25 ", "25", Refusal::None},
                    {"12.5", "", Refusal::NotWhole},
                    {"12.", "", Refusal::NotWhole},
                    {"$12", "", Refusal::NotANumber},
                    {"-3", "", Refusal::Negative},
                    {"12345678901", "", Refusal::TooManyWholeDigits}},
                   whole);
}

// A comma locale: the comma is the decimal separator and the point groups the thousands.
TEST(AmountEntry, ACommaLocaleReadsItsOwnSeparators) {
    AmountEntry::Rules comma;
    comma.decimalPoint = u',';
    comma.groupSeparator = u'.';
    expectReadings({{"1.234,56", "1234,56", Refusal::None},
                    {"12,5", "12,5", Refusal::None},
                    {"1,234.56", "", Refusal::NotANumber},
                    {"1,234", "", Refusal::TooManyDecimals}},
                   comma);
    AmountEntry::Rules space = comma;
    space.groupSeparator = u'\u00a0';
    expectReadings({{"1\u00a0234,5", "1234,5", Refusal::None}, {"1 234", "1234", Refusal::None}},
                   space);
}

TEST(AmountEntry, EveryRefusalIsSaidPlainly) {
    AmountEntry::Rules dollars;
    AmountEntry::Rules whole;
    whole.wholeNumber = true;
    EXPECT_EQ(AmountEntry::refusalText(Refusal::Negative, dollars), "An amount can't be negative.");
    EXPECT_EQ(AmountEntry::refusalText(Refusal::TooManyWholeDigits, dollars),
              "An amount has at most 10 digits before the decimal point.");
    EXPECT_EQ(AmountEntry::refusalText(Refusal::TooManyWholeDigits, whole),
              "This number has at most 10 digits.");
    EXPECT_EQ(AmountEntry::refusalText(Refusal::TooManyDecimals, dollars),
              "An amount has at most 2 digits after the decimal point.");
    EXPECT_EQ(AmountEntry::refusalText(Refusal::NotWhole, whole),
              "This field takes whole numbers only.");
    EXPECT_EQ(AmountEntry::refusalText(Refusal::NotANumber, dollars),
              "An amount takes digits and one decimal point, for example 1234.56.");
    AmountEntry::Rules comma;
    comma.decimalPoint = u',';
    EXPECT_EQ(AmountEntry::refusalText(Refusal::NotANumber, comma),
              "An amount takes digits and one decimal point, for example 1234,56.");
    EXPECT_TRUE(AmountEntry::refusalText(Refusal::None, dollars).isEmpty());
}
