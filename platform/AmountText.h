#pragma once

#include <QString>
#include <optional>

// The rules of an entered amount: dollars with at most 10 digits before the decimal separator
// and 2 after it, or, for gallons and tires, a whole number of at most 10 digits; never a sign.
// The amount fields read typed and pasted text through AmountEntry; `readSpreadsheetAmount`
// reads a cell of a spreadsheet through it too, with the point before the cents.
namespace AmountText {
enum class Kind { Dollars, WholeNumber };

inline constexpr int kMaxWholeDigits = 10;
inline constexpr int kDecimals = 2;

// A spreadsheet cell read as an amount: surrounding spaces, a leading "$" (dollars only) and
// commas between groups of three digits are allowed, a point separates the cents. An empty
// cell is 0. When the text breaks a rule, `value` is empty and `expected` says what the cell
// must hold instead.
struct Reading {
    std::optional<double> value;
    QString expected;
};
Reading readSpreadsheetAmount(const QString& cell, Kind kind);
} // namespace AmountText
