#pragma once

#include "platform/AmountText.h"

#include <QChar>
#include <QString>

// What an amount field makes of the text it would hold after a key press or a paste. Typed
// digits go in as they are; what a preparer pastes from a spreadsheet is taken too: a leading
// "$", spaces around it and thousands separators in their places ("$1,234.56" is 1234.56). Input
// that would change the amount (a sign, a digit too many, a letter) is refused with a reason
// instead of being cut or dropped without a word.
namespace AmountEntry {

enum class Refusal { None, Negative, TooManyWholeDigits, TooManyDecimals, NotWhole, NotANumber };

struct Rules {
    bool wholeNumber = false; // gallons, tires: no decimals, no "$"
    QChar decimalPoint = u'.';
    QChar groupSeparator = u',';
    int maxWholeDigits = AmountText::kMaxWholeDigits;
    int decimals = AmountText::kDecimals;
};

struct Reading {
    QString text; // what the field keeps: the digits and, for dollars, the decimal point
    Refusal refusal = Refusal::None;
};

Reading read(const QString& entered, const Rules& rules);

// What the preparer is told when input is refused, in plain words.
QString refusalText(Refusal refusal, const Rules& rules);

} // namespace AmountEntry
