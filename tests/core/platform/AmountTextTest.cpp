#include "platform/AmountText.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {
using AmountText::Kind;

struct CellCase {
    const char* cell;
    Kind kind;
    std::optional<double> value; // none: refused
    const char* expected = "";   // a part of what the refusal says was expected
};

const CellCase kCells[] = {
    {"", Kind::Dollars, 0.0},
    {"   ", Kind::Dollars, 0.0},
    {"1234.56", Kind::Dollars, 1234.56},
    {" 2500.75 ", Kind::Dollars, 2500.75},
    {"1,234.56", Kind::Dollars, 1234.56},
    {"$1,000.00", Kind::Dollars, 1000.0},
    {"$ 12", Kind::Dollars, 12.0},
    {"12.", Kind::Dollars, 12.0},
    {".5", Kind::Dollars, 0.5},
    {"9999999999.99", Kind::Dollars, 9999999999.99},
    {"1,234,567,890.12", Kind::Dollars, 1234567890.12},
    {"0", Kind::Dollars, 0.0},
    {"-5", Kind::Dollars, std::nullopt, "minus"},
    {"(5.00)", Kind::Dollars, std::nullopt, "minus"},
    {"12345678901", Kind::Dollars, std::nullopt, "at most 10 digits before"},
    {"12,345,678,901", Kind::Dollars, std::nullopt, "at most 10 digits before"},
    {"1.234", Kind::Dollars, std::nullopt, "at most 2 decimals"},
    {"12abc", Kind::Dollars, std::nullopt, "an amount in dollars"},
    {"1e5", Kind::Dollars, std::nullopt, "an amount in dollars"},
    {".", Kind::Dollars, std::nullopt, "an amount in dollars"},
    {"1 234", Kind::Dollars, std::nullopt, "an amount in dollars"},
    {"1.2.3", Kind::Dollars, std::nullopt, "an amount in dollars"},
    // A decimal comma is never taken for a thousands comma.
    {"1234,56", Kind::Dollars, std::nullopt, "commas only between groups of three"},
    {"1.234,56", Kind::Dollars, std::nullopt, "commas only between groups of three"},
    {"12,34.00", Kind::Dollars, std::nullopt, "commas only between groups of three"},
    {"1200", Kind::WholeNumber, 1200.0},
    {"1,200", Kind::WholeNumber, 1200.0},
    {"9999999999", Kind::WholeNumber, 9999999999.0},
    {"12.5", Kind::WholeNumber, std::nullopt, "without decimals"},
    {"12.00", Kind::WholeNumber, std::nullopt, "without decimals"},
    {"$12", Kind::WholeNumber, std::nullopt, "without a dollar sign"},
    {"-3", Kind::WholeNumber, std::nullopt, "minus"},
    {"12345678901", Kind::WholeNumber, std::nullopt, "at most 10 digits"},
};
} // namespace

TEST(AmountText, SpreadsheetCellsAreReadUnderTheFieldsRules) {
    for (const CellCase& cell : kCells) {
        SCOPED_TRACE(cell.cell);
        const AmountText::Reading reading = AmountText::readSpreadsheetAmount(cell.cell, cell.kind);
        EXPECT_EQ(reading.value, cell.value);
        if (cell.value)
            EXPECT_TRUE(reading.expected.isEmpty());
        else
            EXPECT_TRUE(reading.expected.contains(QLatin1String(cell.expected)))
                << reading.expected.toStdString();
    }
}

TEST(AmountText, AReadAmountIsTheDoubleTheFieldGivesForTheSameDigits) {
    // The fields read typed digits with the locale; a spreadsheet's digits must give the same
    // double, bit for bit, or an imported return would differ from the typed one.
    for (const char* digits : {"336635.68", "0.01", "1194385.98", "4135.87", "9999999999.99"}) {
        const QString cell = QString::fromLatin1(digits);
        EXPECT_EQ(AmountText::readSpreadsheetAmount(cell, Kind::Dollars).value,
                  QLocale::c().toDouble(cell))
            << digits;
    }
    // Every cents value of whole dollars from the smallest to the largest a cell takes, and the
    // forms "12" and "12.5" beside "12.50".
    for (const qint64 dollars : {0LL, 7LL, 99LL, 12345LL, 8765432LL, 123456789LL, 9999999999LL}) {
        for (int cents = 0; cents < 100; ++cents) {
            for (const QString& cell :
                 {QStringLiteral("%1.%2").arg(dollars).arg(cents, 2, 10, QLatin1Char('0')),
                  QStringLiteral("%1.%2").arg(dollars).arg(cents), QString::number(dollars)}) {
                EXPECT_EQ(AmountText::readSpreadsheetAmount(cell, Kind::Dollars).value,
                          QLocale::c().toDouble(cell))
                    << cell.toStdString();
            }
        }
    }
}
