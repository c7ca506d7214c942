#pragma once

#include "wizards/return/ReturnWizardPage.h"

class QRadioButton;

// Step 279: food, drugs and medical appliances sold within the state, entered without the
// sales tax (method 1) or with it (method 2, the base is worked out with the food rate). The
// amount must stay below the total receipts (method 1) or not exceed them (method 2).
class FoodPage : public ReturnWizardPage {
    Q_OBJECT
public:
    explicit FoodPage(ReturnWizardState& state);

    int nextPressed() override;
    // The amount of the chosen method, ready to be typed into.
    QWidget* firstField() const override;

protected:
    void buildContents(QVBoxLayout* box) override;

private:
    void enableChosenField();
    bool refuse(AmountEdit* field, const QString& text);

    QRadioButton* taxExcluded_ = nullptr;
    QRadioButton* taxIncluded_ = nullptr;
    AmountEdit* baseAmount_ = nullptr;
    AmountEdit* amountWithTax_ = nullptr;
};
