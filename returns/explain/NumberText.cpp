#include "returns/explain/NumberText.h"

#include "returns/explain/WordsText.h"

#include <algorithm>
#include <array>
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
void appendGrouped(WordsText& text, std::string_view number) {
    const size_t firstDigit = number.starts_with('-') ? 1 : 0;
    const size_t wholeEnd = std::min(number.find('.'), number.size());
    const size_t separators = wholeEnd > firstDigit ? (wholeEnd - firstDigit - 1) / 3 : 0;
    char16_t* out = text.extend(qsizetype(number.size() + separators));
    for (size_t at = 0; at < number.size(); ++at) {
        if (at > firstDigit && at < wholeEnd && (wholeEnd - at) % 3 == 0)
            *out++ = u',';
        *out++ = char16_t(number[at]);
    }
}

// Whole amounts (most entries and every whole-dollar line) below this are written as whole
// numbers with ".00": the same text as the general conversion of a double, at a fraction of
// its cost.
constexpr double kExactWholeLimit = 1e15;

// Significant digits of a plain number, and the least magnitude it is written without an
// exponent.
constexpr int kPlainDigits = 10;
constexpr int kLeastExponent = -4;
// The powers of ten up to 10^kPlainDigits, each exact as a double.
constexpr std::array<double, kPlainDigits + 4> kPowersOfTen = {
    1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13};

// 10^exponent, as the nearest double for negative exponents.
double powerOfTen(int exponent) {
    return exponent >= 0 ? kPowersOfTen[size_t(exponent)] : 1 / kPowersOfTen[size_t(-exponent)];
}

template <typename Append>
QString made(Append append, double value) {
    WordsText text;
    append(text, value);
    return text.toString();
}

// "%.10g" in the "C" locale, as std::to_chars writes it; zero and not-a-number are written
// without a sign, as the rest of the program's number texts write them.
void appendPlainRounded(WordsText& text, double value) {
    if (value == 0 || std::isnan(value)) {
        text += value == 0 ? QLatin1String("0") : QLatin1String("nan");
        return;
    }
    char buffer[kNumberRoom];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::general, kPlainDigits);
    text += QLatin1String(buffer, written.ptr);
}

// "%.10g" for a number that has at most ten significant digits, as rates, factors and shares
// have, and that it writes without an exponent (0.0001 up to below 10^10): written from the
// number's digits as a whole number of decimal places, which takes a fraction of the general
// conversion's time. Such a number's ten digits, rounded, are the shortest digits that read
// back as it, so they are found by multiplying and checked by dividing back exactly. False,
// and nothing written, for other numbers.
bool appendTenDigits(WordsText& text, double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= powerOfTen(kLeastExponent) && magnitude < kPowersOfTen[kPlainDigits]))
        return false;
    int exponent = kLeastExponent;
    while (exponent < kPlainDigits - 1 && magnitude >= powerOfTen(exponent + 1))
        ++exponent;
    const int decimals = kPlainDigits - 1 - exponent;
    const double scale = kPowersOfTen[size_t(decimals)];
    const std::int64_t digits = std::llround(magnitude * scale);
    if (digits >= std::int64_t(kPowersOfTen[kPlainDigits]) || double(digits) / scale != magnitude)
        return false;
    char written[kNumberRoom];
    char* out = written + kNumberRoom;
    std::uint64_t rest = std::uint64_t(digits);
    bool trailing = true; // the fraction's zeros at its end are left out
    for (int place = 0; place <= decimals || rest != 0; ++place, rest /= 10) {
        const char digit = char('0' + rest % 10);
        if (place < decimals && trailing && digit == '0')
            continue;
        if (place == decimals && !trailing)
            *--out = '.';
        trailing = false;
        *--out = digit;
    }
    if (value < 0)
        *--out = '-';
    text += QLatin1String(out, written + kNumberRoom);
    return true;
}
} // namespace

namespace NumberText {
// Written from the last digit to the first into a buffer that holds any int64 with its
// separators and sign, and appended at once.
void appendWhole(WordsText& text, double value) {
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
    text += QStringView(first, end);
}

// Formatted as "%.2f" in the "C" locale (std::to_chars rounds exactly as printf does), the
// sign kept only when the rounded amount is not zero.
void appendMoney(WordsText& text, double value) {
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

void appendPlain(WordsText& text, double value) {
    if (!appendTenDigits(text, value))
        appendPlainRounded(text, value);
}

QString whole(double value) {
    return made(appendWhole, value);
}

QString money(double value) {
    return made(appendMoney, value);
}

QString plain(double value) {
    return made(appendPlain, value);
}
} // namespace NumberText
