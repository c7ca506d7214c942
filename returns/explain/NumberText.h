#pragma once

#include <QString>

class WordsText;

// How the explanations write numbers: amounts with "," between groups of three digits and a
// point before the cents, whatever the user's locale. Each is appended to the words that
// hold it, or made on its own.
namespace NumberText {
// Whole dollars or a count: "6,855", "-45".
void appendWhole(WordsText& text, double value);
QString whole(double value);
// Dollars and cents: "10,000.00", "-12.50".
void appendMoney(WordsText& text, double value);
QString money(double value);
// A plain number in its shortest form with at most ten significant digits, as "%.10g" in the
// "C" locale writes it: a rate "0.0875", a factor "1.03", a share "0.2".
void appendPlain(WordsText& text, double value);
QString plain(double value);
} // namespace NumberText
