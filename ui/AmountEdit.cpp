#include "ui/AmountEdit.h"

#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
QRegularExpression patternFor(AmountEdit::Kind kind) {
    const QString whole = QStringLiteral("\\d{0,%1}").arg(AmountEdit::kMaxWholeDigits);
    if (kind == AmountEdit::Kind::WholeNumber)
        return QRegularExpression(whole);
    const QString separator = QRegularExpression::escape(QLocale().decimalPoint());
    return QRegularExpression(
        QStringLiteral("%1(%2\\d{0,%3})?").arg(whole, separator).arg(AmountEdit::kDecimals));
}
} // namespace

AmountEdit::AmountEdit(Kind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    setValidator(new QRegularExpressionValidator(patternFor(kind), this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(kMaxWholeDigits + 1 + kDecimals);
}

double AmountEdit::value() const {
    if (text().isEmpty())
        return 0;
    QString entry = text();
    // "12." is still being typed as 12.
    if (entry.endsWith(QLocale().decimalPoint()))
        entry.chop(QLocale().decimalPoint().size());
    return entry.isEmpty() ? 0 : QLocale().toDouble(entry);
}
