#include "ui/AmountEdit.h"

#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
QRegularExpression patternFor(AmountEdit::Kind kind) {
    return QRegularExpression(AmountText::enteredPattern(kind, QLocale().decimalPoint()));
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
