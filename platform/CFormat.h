#pragma once

#include <QString>

// printf formatting with the C library's rules, rounding included (round-half-even on exact
// binary ties, which QString::asprintf does not follow). The forms print figures this way.
// The text never follows the user's locale: a decimal point is always ".", so a figure reads
// the same on every machine.
QString cFormat(const char* format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);
