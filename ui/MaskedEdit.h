#pragma once

#include <QDate>
#include <QLineEdit>
#include <optional>

// An edit field with a fixed input pattern: '#' takes one digit, every other character of the
// pattern is a separator that stays in place ("(###) ###-####"). In date mode the pattern is
// "##/##/####" (month, day, year) and dates outside a range are refused with a message.
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

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool holdsAcceptableDate() const;
    bool dateMode_ = false;
    bool complaining_ = false;
    QDate first_;
    QDate last_;
};
