#pragma once

#include <QString>
#include <string_view>

// The five-digit rate texts of the sales tax table hold thousandths of a percent.
namespace RateText {
// The rate as a fraction: the text's leading number / 100000 ("06250" is 0.0625). A blank or
// non-numeric text counts as 0.
double fraction(std::string_view text);
// The rate as shown to the preparer: "06250" is "6.250%", "00750" is "0.750%".
QString display(std::string_view text);
// The leading decimal integer of a text, read the way atoi reads it ("20a5" is 20).
int leadingInt(std::string_view text);
} // namespace RateText
