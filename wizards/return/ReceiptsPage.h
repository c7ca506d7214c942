#pragma once

#include "wizards/return/ReturnWizardPage.h"

#include <functional>

class QCheckBox;

// Step 278: total receipts and alcoholic liquor purchases, and "Print Blank Forms", which
// sends Next straight to the summary with no figures in the return.
class ReceiptsPage : public ReturnWizardPage {
    Q_OBJECT
public:
    // `applyIncludedSteps(blankForms)` enables the steps the return takes: none but the
    // summary for blank forms, otherwise those the client's profile calls for.
    ReceiptsPage(ReturnWizardState& state, std::function<void(bool)> applyIncludedSteps);

    int nextPressed() override;
    bool queryCancel() override;

protected:
    void buildContents(QVBoxLayout* box) override;

private:
    std::function<void(bool)> applyIncludedSteps_;
    AmountEdit* totalReceipts_ = nullptr;
    AmountEdit* liquorPurchases_ = nullptr;
    QCheckBox* blankForms_ = nullptr;
};
