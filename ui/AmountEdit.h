#pragma once

#include "platform/AmountText.h"

#include <QLineEdit>

// An amount field: dollars with at most 10 digits before the locale's decimal separator and
// 2 after it, or, for gallons and tires, a whole number of at most 10 digits. No sign is
// accepted. An empty field is 0.
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

private:
    Kind kind_;
};
