#pragma once

#include <QString>

// How the explanations write numbers: amounts with "," between groups of three digits and a
// point before the cents, whatever the user's locale.
namespace NumberText {
// Whole dollars or a count: "6,855", "-45".
QString whole(double value);
// Dollars and cents: "10,000.00", "-12.50".
QString money(double value);
// A plain number in its shortest form: a rate "0.0875", a factor "1.03", a share "0.2".
QString plain(double value);
} // namespace NumberText
