#pragma once

#include <QString>
#include <cstdint>

// A whole-dollar amount printed "%d" with "," between groups of three digits counted from
// the right: 1234567 is "1,234,567", -123456 is "-123,456" (never a comma after the sign).
QString groupThousands(std::int64_t amount);
