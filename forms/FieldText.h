#pragma once

#include <QString>

// The rules that turn values into field texts. Each gives a text of exactly the field's width,
// except that a value which does not fit is returned longer than the width, never cut: writing
// such a text fails, and with it the fill, instead of printing a wrong figure.
namespace FieldText {

// The four characters after the dollars of an amount field: a space under the printed cents
// divider and "00" in the cents part; a point and "00"; or four spaces for whole numbers
// such as gallons and tire counts.
enum class CentsGroup { Divided, Decimal, Whole };

// The value followed by spaces up to the width; an empty value gives all spaces.
QString fitText(const QString& value, int width);

// An amount in whole dollars: right-aligned digits ending just before the cents group. A zero
// or negative amount leaves the field blank (all spaces).
QString amountText(qint64 amount, CentsGroup cents, int width);

// A rate fraction as printed in the rate fields: "%.4f" without its leading "0" (0.0625 gives
// ".0625"). A rate that does not print as "0.dddd" (one or more, or negative) keeps its whole
// text, so its five-character field cannot take it.
QString rateText(double rate);

// A signature line: the phone number, with "(" and ")" removed and spaces turned into "-",
// ends the field; the name fills its start, cut so that at least one space separates the two.
QString signatureLine(const QString& name, const QString& phone, int width);

} // namespace FieldText
