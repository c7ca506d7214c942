#include "ui/MaskedEdit.h"

#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

namespace {
const QString kDatePattern = QStringLiteral("##/##/####");
const QString kDateFormat = QStringLiteral("MM/dd/yyyy");
// Characters with a meaning in a Qt input mask; as separators they need a backslash.
const QString kMaskMetaCharacters = QStringLiteral("AaNnXx90Dd#HhBb><!;[]{}\\");
constexpr QChar kBlank = u'_';
} // namespace

MaskedEdit::MaskedEdit(const QString& pattern, QWidget* parent) : QLineEdit(parent) {
    setPattern(pattern);
}

void MaskedEdit::setPattern(const QString& pattern) {
    pattern_ = pattern;
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
    return mask + u';' + kBlank;
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
    setPattern(kDatePattern);
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

int MaskedEdit::firstEmptyPlace() const {
    const QString shown = displayText();
    for (int place = 0; place < pattern_.size() && place < shown.size(); ++place) {
        if (pattern_[place] == u'#' && shown[place] == kBlank)
            return place;
    }
    return -1;
}

void MaskedEdit::moveToFirstEmptyPlace() {
    const int empty = firstEmptyPlace();
    if (empty >= 0 && cursorPosition() > empty && !hasSelectedText())
        setCursorPosition(empty);
}

void MaskedEdit::pasteDigits(const QString& text) {
    int place = cursorPosition();
    if (hasSelectedText()) {
        place = selectionStart();
        del();
    } else if (const int empty = firstEmptyPlace(); empty >= 0 && place > empty) {
        place = empty;
    }
    for (const QChar character : text) {
        if (!character.isDigit())
            continue;
        while (place < pattern_.size() && pattern_[place] != u'#')
            ++place;
        if (place >= pattern_.size())
            break;
        setCursorPosition(place++);
        insert(QString(character));
    }
    setCursorPosition(place);
}

void MaskedEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (const int empty = firstEmptyPlace(); empty >= 0 && !hasSelectedText())
        setCursorPosition(empty);
}

// A click into the empty tail of the field puts the cursor where typing continues.
void MaskedEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    moveToFirstEmptyPlace();
}

void MaskedEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteDigits(QGuiApplication::clipboard()->text());
        return;
    }
    const bool digit = event->text().size() == 1 && event->text()[0].isDigit();
    if (digit && !hasSelectedText()) {
        moveToFirstEmptyPlace();
        if (firstEmptyPlace() < 0 && cursorPosition() >= pattern_.size()) {
            QApplication::beep();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// The menu's Paste takes the digits like Ctrl+V does.
void MaskedEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this,
                [this] { pasteDigits(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
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
