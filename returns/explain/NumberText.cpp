#include "returns/explain/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {
// Room for any int64 or "%.2f" text of the amounts the words show.
constexpr int kNumberRoom = 400;

// A number written by std::to_chars ("-1234567.50") with "," between groups of three digits
// of its whole part counted from the right, never after the sign: "-1,234,567.50". The words
// put many numbers into sentences, so the text is built once in its final length.
QString grouped(std::string_view number) {
    const size_t firstDigit = number.starts_with('-') ? 1 : 0;
    const size_t wholeEnd = std::min(number.find('.'), number.size());
    QString text;
    text.reserve(qsizetype(number.size() + wholeEnd / 3));
    for (size_t at = 0; at < number.size(); ++at) {
        if (at > firstDigit && at < wholeEnd && (wholeEnd - at) % 3 == 0)
            text += QLatin1Char(',');
        text += QLatin1Char(number[at]);
    }
    return text;
}
} // namespace

namespace NumberText {
QString whole(double value) {
    char buffer[kNumberRoom];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::int64_t(value));
    return grouped(std::string_view(buffer, size_t(written.ptr - buffer)));
}

// Formatted as "%.2f" in the "C" locale (std::to_chars rounds exactly as printf does), the
// sign kept only when the rounded amount is not zero.
QString money(double value) {
    char buffer[kNumberRoom];
    char* const digits = buffer + 1;
    const auto written = std::to_chars(digits, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::fixed, 2);
    const std::string_view text(digits, size_t(written.ptr - digits));
    if (value < 0 && text != "0.00") {
        buffer[0] = '-';
        return grouped(std::string_view(buffer, text.size() + 1));
    }
    return grouped(text);
}

QString plain(double value) {
    return QString::number(value, 'g', 10);
}
} // namespace NumberText
