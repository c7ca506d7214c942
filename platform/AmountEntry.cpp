#include "platform/AmountEntry.h"

#include <algorithm>
#include <optional>

namespace AmountEntry {
namespace {
bool isDigit(QChar character) {
    return character >= u'0' && character <= u'9';
}

bool isNegative(QStringView text) {
    return text.startsWith(u'-') || text.startsWith(u'\u2212') || text.endsWith(u'-') ||
           (text.startsWith(u'(') && text.endsWith(u')'));
}

// A space-like separator (a narrow or no-break space) is also written as a plain space.
bool isGroupSeparator(QChar character, QChar separator) {
    return character == separator || (separator.isSpace() && character.isSpace());
}

// "1,234,567.89" without its separators, or nothing when they do not stand between groups of
// three digits (so "12,5", a decimal comma typed by habit, is never read as 125).
std::optional<QString> withoutGroupSeparators(QStringView text, const Rules& rules) {
    const qsizetype point = text.indexOf(rules.decimalPoint);
    const QStringView whole = point < 0 ? text : text.first(point);
    QString digits(text.size(), Qt::Uninitialized);
    QChar* kept = digits.data();
    qsizetype groupLength = 0;
    bool grouped = false;
    for (const QChar character : whole) {
        if (isGroupSeparator(character, rules.groupSeparator)) {
            if (groupLength == 0 || (grouped && groupLength != 3) || groupLength > 3)
                return std::nullopt;
            grouped = true;
            groupLength = 0;
            continue;
        }
        *kept++ = character;
        ++groupLength;
    }
    if (grouped && groupLength != 3)
        return std::nullopt;
    if (point >= 0)
        kept = std::copy(text.begin() + point, text.end(), kept);
    digits.truncate(kept - digits.constData());
    return digits;
}
} // namespace

// The text is read as views of what was entered: only the digits kept are copied.
Reading read(const QString& entered, const Rules& rules) {
    QStringView text = QStringView(entered).trimmed();
    if (!rules.wholeNumber && text.startsWith(u'$'))
        text = text.sliced(1).trimmed();
    if (isNegative(text))
        return {{}, Refusal::Negative};
    std::optional<QString> ungrouped = withoutGroupSeparators(text, rules);
    if (!ungrouped)
        return {{}, Refusal::NotANumber};
    const QStringView number = *ungrouped;
    const qsizetype point = number.indexOf(rules.decimalPoint);
    if (point >= 0 && rules.wholeNumber)
        return {{}, Refusal::NotWhole};
    const QStringView whole = point < 0 ? number : number.first(point);
    const QStringView decimals = point < 0 ? QStringView() : number.sliced(point + 1);
    for (const QStringView part : {whole, decimals}) {
        if (!std::all_of(part.begin(), part.end(), isDigit))
            return {{}, Refusal::NotANumber};
    }
    if (whole.size() > rules.maxWholeDigits)
        return {{}, Refusal::TooManyWholeDigits};
    if (decimals.size() > rules.decimals)
        return {{}, Refusal::TooManyDecimals};
    return {std::move(*ungrouped), Refusal::None};
}

QString refusalText(Refusal refusal, const Rules& rules) {
    const QString digits = QString::number(rules.maxWholeDigits);
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::Negative:
        return QStringLiteral("An amount can't be negative.");
    case Refusal::TooManyWholeDigits:
        return rules.wholeNumber
                   ? QStringLiteral("This number has at most %1 digits.").arg(digits)
                   : QStringLiteral("An amount has at most %1 digits before the decimal point.")
                         .arg(digits);
    case Refusal::TooManyDecimals:
        return QStringLiteral("An amount has at most %1 digits after the decimal point.")
            .arg(rules.decimals);
    case Refusal::NotWhole:
        return QStringLiteral("This field takes whole numbers only.");
    case Refusal::NotANumber:
        return rules.wholeNumber
                   ? QStringLiteral("This field takes digits only, for example 1234.")
                   : QStringLiteral("An amount takes digits and one decimal point, for example "
                                    "1234") +
                         rules.decimalPoint + QStringLiteral("56.");
    }
    return {};
}

} // namespace AmountEntry
