#pragma once

#include <QDate>
#include <QLineEdit>
#include <optional>

// An edit field with a fixed input pattern: '#' takes one digit, every other character of the
// pattern is a separator that stays in place ("(###) ###-####"). In date mode the pattern is
// "##/##/####" (month, day, year) and dates outside a range are refused with a message.
// Typing always lands: the cursor goes to the first empty place when the field gets the focus,
// a digit typed past it goes there too, and a digit with no room left beeps. A paste takes the
// digits of the pasted text, whatever separators or spaces it has ("08400019" and
// "084-0001-9" both give "084-0001-9").
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedEdit(const QString& pattern, QWidget* parent = nullptr);

    // The entered text with its separators, or an empty text when no digit has been typed.
    QString value() const;
    // Shows `text`; its digits fill the '#' positions, separators in it may be left out.
    void setValue(const QString& text);

    // Switches to date mode, taking dates from `first` to `last`.
    void setDateRange(QDate first, QDate last);
    // The entered date when the field holds a valid date, in range or not.
    std::optional<QDate> date() const;
    void setDate(QDate date);
    // True when the field is empty or holds a date within the range. Otherwise shows
    // "Please specify a date between %s and %s.", puts the focus back here and returns false.
    bool checkDate();

    // The Qt input mask for a '#' pattern.
    static QString inputMaskFor(const QString& pattern);

    // Writes the digits of `text` into the digit places from the cursor (or the start of the
    // selection) on, leaving out everything else.
    void pasteDigits(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setPattern(const QString& pattern);
    // The first digit place without a digit, or -1 when every place is filled.
    int firstEmptyPlace() const;
    // Puts the cursor on the first empty place when it stands after it.
    void moveToFirstEmptyPlace();
    bool holdsAcceptableDate() const;
    QString pattern_;
    bool dateMode_ = false;
    bool complaining_ = false;
    QDate first_;
    QDate last_;
};
