#include "platform/AmountText.h"

#include <QRegularExpression>
#include <algorithm>

namespace {
using AmountText::Kind;
using AmountText::Reading;

Reading refused(const char* expected) {
    return {std::nullopt, QLatin1String(expected)};
}

bool hasDigit(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// The text without the commas between groups of three digits, or none when a comma stands
// anywhere else (a decimal comma, a misplaced group).
std::optional<QString> withoutThousandsCommas(const QString& text) {
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? text : text.left(point);
    const QString rest = point < 0 ? QString() : text.mid(point);
    if (!whole.contains(QLatin1Char(',')))
        return text.contains(QLatin1Char(',')) ? std::nullopt : std::optional(text);
    static const QRegularExpression grouped(QStringLiteral("^\\d{1,3}(,\\d{3})+$"));
    if (rest.contains(QLatin1Char(',')) || !grouped.match(whole).hasMatch())
        return std::nullopt;
    return whole.remove(QLatin1Char(',')) + rest;
}

// Why `text`, which has no sign, dollar sign or comma left, does not match the pattern.
Reading mismatch(const QString& text, Kind kind) {
    static const QRegularExpression number(QStringLiteral("^\\d*(\\.\\d*)?$"));
    if (!number.match(text).hasMatch() || !hasDigit(text))
        return kind == Kind::Dollars ? refused("an amount in dollars, as in 1234.56 or $1,234.56")
                                     : refused("a whole number, as in 1200");
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (kind == Kind::WholeNumber && point >= 0)
        return refused("a whole number, without decimals");
    if ((point < 0 ? text.size() : point) > AmountText::kMaxWholeDigits)
        return kind == Kind::Dollars ? refused("at most 10 digits before the decimal point")
                                     : refused("at most 10 digits");
    return refused("at most 2 decimals (whole cents)");
}
} // namespace

QString AmountText::enteredPattern(Kind kind, const QString& decimalPoint) {
    const QString whole = QStringLiteral("\\d{0,%1}").arg(kMaxWholeDigits);
    if (kind == Kind::WholeNumber)
        return whole;
    const QString separator = QRegularExpression::escape(decimalPoint);
    return QStringLiteral("%1(%2\\d{0,%3})?").arg(whole, separator).arg(kDecimals);
}

AmountText::Reading AmountText::readSpreadsheetAmount(const QString& cell, Kind kind) {
    QString text = cell.trimmed();
    if (text.isEmpty())
        return {0.0, {}};
    const bool dollars = kind == Kind::Dollars;
    if (text.contains(QLatin1Char('-')) ||
        (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))))
        return dollars ? refused("an amount without a minus sign (amounts are never negative)")
                       : refused("a whole number without a minus sign");
    if (text.startsWith(QLatin1Char('$'))) {
        if (!dollars)
            return refused("a whole number, without a dollar sign");
        text = text.mid(1).trimmed();
    }
    const std::optional<QString> digits = withoutThousandsCommas(text);
    if (!digits)
        return refused("commas only between groups of three digits, and a point before the "
                       "cents, as in 1,234.56");
    static const QRegularExpression dollarsPattern(
        QRegularExpression::anchoredPattern(enteredPattern(Kind::Dollars, QStringLiteral("."))));
    static const QRegularExpression wholePattern(QRegularExpression::anchoredPattern(
        enteredPattern(Kind::WholeNumber, QStringLiteral("."))));
    if (!(dollars ? dollarsPattern : wholePattern).match(*digits).hasMatch() || !hasDigit(*digits))
        return mismatch(*digits, kind);
    QString number = *digits;
    // "12." is 12, as it is in the amount fields.
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    return {number.toDouble(), {}};
}
