#include "platform/AmountText.h"

#include "platform/AmountEntry.h"

#include <algorithm>
#include <charconv>

namespace {
using AmountText::Kind;
using AmountText::Reading;
using Refusal = AmountEntry::Refusal;

Reading refused(const char* expected) {
    return {std::nullopt, QLatin1String(expected)};
}

bool hasDigit(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// The value of checked digits with at most one decimal point ("1234.56", "12"): read from a copy
// in plain characters, without the locale lookups of a general number reader.
double decimalValue(QStringView digits) {
    char ascii[32];
    if (digits.size() > qsizetype(sizeof ascii))
        return digits.toDouble();
    std::transform(digits.begin(), digits.end(), ascii, [](QChar c) { return char(c.unicode()); });
    double value = 0;
    std::from_chars(ascii, ascii + digits.size(), value);
    return value;
}

// What a cell must hold instead, in the words of the import's problem list.
Reading expectedInstead(Refusal refusal, const QString& cell, Kind kind) {
    const bool dollars = kind == Kind::Dollars;
    switch (refusal) {
    case Refusal::Negative:
        return dollars ? refused("an amount without a minus sign (amounts are never negative)")
                       : refused("a whole number without a minus sign");
    case Refusal::NotWhole:
        return refused("a whole number, without decimals");
    case Refusal::TooManyWholeDigits:
        return dollars ? refused("at most 10 digits before the decimal point")
                       : refused("at most 10 digits");
    case Refusal::TooManyDecimals:
        return refused("at most 2 decimals (whole cents)");
    case Refusal::None:
    case Refusal::NotANumber:
        break;
    }
    if (cell.contains(QLatin1Char(',')))
        return refused("commas only between groups of three digits, and a point before the "
                       "cents, as in 1,234.56");
    return dollars ? refused("an amount in dollars, as in 1234.56 or $1,234.56")
                   : refused("a whole number, as in 1200");
}
} // namespace

AmountText::Reading AmountText::readSpreadsheetAmount(const QString& cell, Kind kind) {
    const QString text = cell.trimmed();
    if (text.isEmpty())
        return {0.0, {}};
    if (kind == Kind::WholeNumber && text.startsWith(QLatin1Char('$')))
        return refused("a whole number, without a dollar sign");
    AmountEntry::Rules rules;
    rules.wholeNumber = kind == Kind::WholeNumber;
    const AmountEntry::Reading reading = AmountEntry::read(text, rules);
    if (reading.refusal != Refusal::None || !hasDigit(reading.text))
        return expectedInstead(reading.refusal, text, kind);
    QStringView number = reading.text;
    // "12." is 12, as it is in the amount fields.
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    return {decimalValue(number), {}};
}
