#pragma once

#include "platform/AmountEntry.h"

#include <QLineEdit>
#include <QPointer>

class BalloonTip;

// An amount field: dollars with at most 10 digits before the locale's decimal separator and
// 2 after it, or, for gallons and tires, a whole number of at most 10 digits. No sign is
// accepted. An empty field is 0. What a preparer pastes from a spreadsheet ("$1,234.56",
// " 2500.75 ") is taken as its digits; input the field cannot take is refused and a balloon at
// the field says why, so nothing is cut or dropped without a word.
class AmountEdit : public QLineEdit {
    Q_OBJECT
public:
    using Kind = AmountText::Kind;

    explicit AmountEdit(Kind kind = Kind::Dollars, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    double value() const;

    // The longest entry the field takes: 10 digits, then the separator and 2 decimals.
    static constexpr int kMaxWholeDigits = AmountText::kMaxWholeDigits;
    static constexpr int kDecimals = AmountText::kDecimals;

    // The title of the balloon that tells why input was refused.
    static QString refusalTitle();

private:
    void sayWhyRefused();

    Kind kind_;
    AmountEntry::Rules rules_;
    AmountEntry::Refusal lastRefusal_ = AmountEntry::Refusal::None;
    QPointer<BalloonTip> refusal_;
};
