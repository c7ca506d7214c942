#include "ui/MaskedEdit.h"

#include "ui/MessageBoxes.h"

#include <QFocusEvent>
#include <QTimer>

namespace {
const QString kDatePattern = QStringLiteral("##/##/####");
const QString kDateFormat = QStringLiteral("MM/dd/yyyy");
// Characters with a meaning in a Qt input mask; as separators they need a backslash.
const QString kMaskMetaCharacters = QStringLiteral("AaNnXx90Dd#HhBb><!;[]{}\\");
} // namespace

MaskedEdit::MaskedEdit(const QString& pattern, QWidget* parent) : QLineEdit(parent) {
    setInputMask(inputMaskFor(pattern));
}

QString MaskedEdit::inputMaskFor(const QString& pattern) {
    QString mask;
    for (const QChar character : pattern) {
        if (character == u'#')
            mask += u'9';
        else if (kMaskMetaCharacters.contains(character))
            mask += u'\\' + QString(character);
        else
            mask += character;
    }
    return mask + QStringLiteral(";_");
}

QString MaskedEdit::value() const {
    const QString entered = text();
    const bool anyDigit =
        std::any_of(entered.cbegin(), entered.cend(), [](QChar c) { return c.isDigit(); });
    return anyDigit ? entered : QString();
}

void MaskedEdit::setValue(const QString& text) {
    setText(text);
}

void MaskedEdit::setDateRange(QDate first, QDate last) {
    setInputMask(inputMaskFor(kDatePattern));
    dateMode_ = true;
    first_ = first;
    last_ = last;
}

std::optional<QDate> MaskedEdit::date() const {
    const QDate entered = QDate::fromString(text(), kDateFormat);
    if (!entered.isValid())
        return std::nullopt;
    return entered;
}

void MaskedEdit::setDate(QDate date) {
    setText(date.toString(kDateFormat));
}

bool MaskedEdit::holdsAcceptableDate() const {
    if (value().isEmpty())
        return true;
    const std::optional<QDate> entered = date();
    return entered && *entered >= first_ && *entered <= last_;
}

bool MaskedEdit::checkDate() {
    if (!dateMode_ || holdsAcceptableDate())
        return true;
    complaining_ = true;
    MessageBoxes::current().inform(
        this,
        QStringLiteral("Please specify a date between %1 and %2.")
            .arg(first_.toString(kDateFormat), last_.toString(kDateFormat)),
        MessageIcon::Warning);
    complaining_ = false;
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return false;
}

void MaskedEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Losing the focus to a message box or a popup is no reason to check; leaving the field
    // with a bad date is. The check waits for the focus change to finish.
    const bool leftTheField =
        event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    if (!dateMode_ || complaining_ || !leftTheField)
        return;
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            checkDate();
    });
}
