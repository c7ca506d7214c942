#include "returns/explain/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace {
// Room for any int64 or "%.2f" text of the amounts the words show, with its separators.
constexpr int kNumberRoom = 400;

// A number written by std::to_chars ("-1234567.50") with "," between groups of three digits
// of its whole part counted from the right, never after the sign: "-1,234,567.50". The words
// put many numbers into sentences, so the digits are written straight into the text.
void appendGrouped(QString& text, std::string_view number) {
    const size_t firstDigit = number.starts_with('-') ? 1 : 0;
    const size_t wholeEnd = std::min(number.find('.'), number.size());
    const size_t separators = wholeEnd > firstDigit ? (wholeEnd - firstDigit - 1) / 3 : 0;
    const qsizetype start = text.size();
    text.resize(start + qsizetype(number.size() + separators));
    QChar* out = text.data() + start;
    for (size_t at = 0; at < number.size(); ++at) {
        if (at > firstDigit && at < wholeEnd && (wholeEnd - at) % 3 == 0)
            *out++ = QLatin1Char(',');
        *out++ = QLatin1Char(number[at]);
    }
}

// Whole amounts (most entries and every whole-dollar line) below this are written as whole
// numbers with ".00": the same text as the general conversion of a double, at a fraction of
// its cost.
constexpr double kExactWholeLimit = 1e15;

template <typename Append>
QString made(Append append, double value) {
    QString text;
    append(text, value);
    return text;
}
} // namespace

namespace NumberText {
// Written from the last digit to the first into a buffer that holds any int64 with its
// separators and sign, and appended at once.
void appendWhole(QString& text, double value) {
    const auto whole = std::int64_t(value);
    std::uint64_t magnitude = whole < 0 ? 0 - std::uint64_t(whole) : std::uint64_t(whole);
    char16_t buffer[32];
    char16_t* const end = buffer + std::size(buffer);
    char16_t* first = end;
    for (int digits = 0; digits == 0 || magnitude != 0; ++digits, magnitude /= 10) {
        if (digits > 0 && digits % 3 == 0)
            *--first = u',';
        *--first = char16_t(u'0' + magnitude % 10);
    }
    if (whole < 0)
        *--first = u'-';
    text.append(reinterpret_cast<const QChar*>(first), end - first);
}

// Formatted as "%.2f" in the "C" locale (std::to_chars rounds exactly as printf does), the
// sign kept only when the rounded amount is not zero.
void appendMoney(QString& text, double value) {
    if (value == std::trunc(value) && std::fabs(value) < kExactWholeLimit) {
        appendWhole(text, value);
        text += QLatin1String(".00");
        return;
    }
    char buffer[kNumberRoom];
    char* const digits = buffer + 1;
    const auto written = std::to_chars(digits, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::fixed, 2);
    const std::string_view number(digits, size_t(written.ptr - digits));
    if (value < 0 && number != "0.00") {
        buffer[0] = '-';
        appendGrouped(text, std::string_view(buffer, number.size() + 1));
        return;
    }
    appendGrouped(text, number);
}

void appendPlain(QString& text, double value) {
    text += QString::number(value, 'g', 10);
}

QString whole(double value) {
    return made(appendWhole, value);
}

QString money(double value) {
    return made(appendMoney, value);
}

QString plain(double value) {
    return QString::number(value, 'g', 10);
}
} // namespace NumberText
