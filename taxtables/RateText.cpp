#include "taxtables/RateText.h"

#include <cctype>
#include <charconv>

namespace {
std::string_view skipSpaces(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    return text;
}
} // namespace

double RateText::fraction(std::string_view text) {
    // Read the leading number without the process locale's decimal separator getting in.
    text = skipSpaces(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc())
        return 0.0;
    return value / 100000.0;
}

int RateText::leadingInt(std::string_view text) {
    text = skipSpaces(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > 0x7fffffffLL)
            value = 0x7fffffffLL;
    }
    return static_cast<int>(negative ? -value : value);
}

QString RateText::display(std::string_view text) {
    QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    shown.insert(std::min<qsizetype>(2, shown.size()), u'.');
    qsizetype zeros = 0;
    while (zeros < shown.size() && shown[zeros] == u'0')
        ++zeros;
    shown.remove(0, zeros);
    if (shown.startsWith(u'.'))
        shown.prepend(u'0');
    return shown + u'%';
}
