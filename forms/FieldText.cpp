#include "forms/FieldText.h"

#include "platform/CFormat.h"

namespace {

QString centsText(FieldText::CentsGroup cents) {
    switch (cents) {
    case FieldText::CentsGroup::Divided:
        return QStringLiteral(" 00 ");
    case FieldText::CentsGroup::Decimal:
        return QStringLiteral(".00 ");
    case FieldText::CentsGroup::Whole:
        break;
    }
    return QStringLiteral("    ");
}

} // namespace

namespace FieldText {

QString fitText(const QString& value, int width) {
    return value.size() > width ? value : value.leftJustified(width, QLatin1Char(' '));
}

QString amountText(qint64 amount, CentsGroup cents, int width) {
    if (amount <= 0)
        return QString(width, QLatin1Char(' '));
    const QString text = QString::number(amount) + centsText(cents);
    return text.rightJustified(width, QLatin1Char(' '));
}

QString rateText(double rate) {
    const QString text = cFormat("%.4f", rate);
    return text.startsWith(QLatin1Char('0')) ? text.mid(1) : text;
}

QString signatureLine(const QString& name, const QString& phone, int width) {
    QString digits = phone;
    digits.remove(QLatin1Char('('))
        .remove(QLatin1Char(')'))
        .replace(QLatin1Char(' '), QLatin1Char('-'));
    if (digits.size() >= width)
        return digits.rightJustified(width, QLatin1Char(' '));
    const QString start = name.left(width - int(digits.size()) - 1);
    return start.leftJustified(width - int(digits.size()), QLatin1Char(' ')) + digits;
}

} // namespace FieldText
