#include "wizards/return/FoodPage.h"

#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "returns/entry/EntryChecks.h"
#include "ui/BalloonTip.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/ReturnWizardState.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kRefusalMs = 5000;
} // namespace

FoodPage::FoodPage(ReturnWizardState& state)
    : ReturnWizardPage(PageKeys::kFoodInside,
                       QStringLiteral("Sales from locations within Illinois"),
                       QStringLiteral("On the form: ST-1 line 5a (food, drugs and medical "
                                      "appliances base) and, from it, line 5b."),
                       state) {}

void FoodPage::buildContents(QVBoxLayout* box) {
    box->addWidget(paragraph(
        QStringLiteral("Please enter the receipts from qualifying food, drugs and medical "
                       "appliances sold from this location, in one of these two ways:")));
    taxExcluded_ = new QRadioButton(QStringLiteral("Method &1: Sales tax NOT included."));
    taxIncluded_ = new QRadioButton(QStringLiteral("Method &2: Sales tax IS included."));
    taxExcluded_->setObjectName(QStringLiteral("foodMethod1"));
    taxIncluded_->setObjectName(QStringLiteral("foodMethod2"));
    auto* methods = new QButtonGroup(this);
    methods->addButton(taxExcluded_);
    methods->addButton(taxIncluded_);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    grid->addWidget(taxExcluded_, 0, 0, 1, 3);
    baseAmount_ = addAmountRow(grid, QStringLiteral("Food, drugs and medical appliances:"),
                               QStringLiteral("foodSalesInside"));
    grid->addWidget(taxIncluded_, grid->rowCount(), 0, 1, 3);
    amountWithTax_ =
        addAmountRow(grid, QStringLiteral("Food, drugs and medical appliances (tax included):"),
                     QStringLiteral("foodEntered"));
    box->addLayout(grid);
    taxExcluded_->setChecked(true);
    connect(taxExcluded_, &QRadioButton::toggled, this, &FoodPage::enableChosenField);
    enableChosenField();
}

void FoodPage::enableChosenField() {
    baseAmount_->setEnabled(taxExcluded_->isChecked());
    amountWithTax_->setEnabled(taxIncluded_->isChecked());
}

QWidget* FoodPage::firstField() const {
    return taxExcluded_->isChecked() ? baseAmount_ : amountWithTax_;
}

bool FoodPage::refuse(AmountEdit* field, const QString& text) {
    field->setFocus();
    BalloonTip::showFor(field, QStringLiteral("Please enter a proper value."), text,
                        MessageIcon::Stop, false, kRefusalMs);
    return false;
}

int FoodPage::nextPressed() {
    using EntryChecks::FoodMethod;
    const FoodMethod method =
        taxExcluded_->isChecked() ? FoodMethod::TaxExcluded : FoodMethod::TaxIncluded;
    AmountEdit* field = method == FoodMethod::TaxExcluded ? baseAmount_ : amountWithTax_;
    const double amount = field->value();
    const QString refusal = EntryChecks::foodRefusal(method, amount, record().st1.totalReceipts);
    if (!refusal.isEmpty()) {
        refuse(field, refusal);
        return kStay;
    }
    record().st1.foodSalesInside =
        method == FoodMethod::TaxExcluded ? amount : foodBaseFromTotal(amount, record());
    return kMoveOn;
}
