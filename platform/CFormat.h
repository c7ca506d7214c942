#pragma once

#include <QString>

// printf formatting with the C library's rules, rounding included (round-half-even on exact
// binary ties, which QString::asprintf does not follow). The forms print figures this way.
QString cFormat(const char* format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);
