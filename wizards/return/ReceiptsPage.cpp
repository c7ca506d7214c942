#include "wizards/return/ReceiptsPage.h"

#include "returns/ReturnRecord.h"
#include "returns/entry/EntryChecks.h"
#include "ui/WrappingCheckBox.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/ReturnWizardState.h"
#include "wizards/return/WelcomePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

ReceiptsPage::ReceiptsPage(ReturnWizardState& state, std::function<void(bool)> applyIncludedSteps)
    : ReturnWizardPage(PageKeys::kTotalReceipts,
                       QStringLiteral("Total receipts and alcoholic liquor purchases"),
                       QStringLiteral("On the form: ST-1 line 1 (total receipts) and line A "
                                      "(alcoholic liquor purchases)."),
                       state),
      applyIncludedSteps_(std::move(applyIncludedSteps)) {}

void ReceiptsPage::buildContents(QVBoxLayout* box) {
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    totalReceipts_ = addAmountRow(grid, QStringLiteral("Total receipts (tax included):"),
                                  QStringLiteral("totalReceipts"));
    box->addLayout(grid);
    box->addSpacing(6);
    box->addWidget(paragraph(
        QStringLiteral("Please enter the total dollar amount of alcoholic liquor purchased "
                       "(invoiced and delivered) in the") +
        QLatin1Char(' ') +
        QStringLiteral("field below.If this client is not required to report alcoholic liquor "
                       "purchases, please leave this field empty.")));
    auto* liquor = new QGridLayout;
    liquor->setColumnStretch(0, 1);
    liquorPurchases_ = addAmountRow(liquor, QStringLiteral("Alcoholic liquor purchases:"),
                                    QStringLiteral("liquorPurchases"));
    box->addLayout(liquor);
    // The long text wraps, so the step keeps the wizard's width.
    auto* blankForms = new WrappingCheckBox(
        QStringLiteral("&Print Blank Forms: select this option if you would like to print blank "
                       "forms for this client without any figures."));
    blankForms_ = blankForms->box();
    blankForms_->setObjectName(QStringLiteral("printBlankForms"));
    blankForms->setVisible(state().offersBlankForms());
    box->addSpacing(8);
    box->addWidget(blankForms);
}

int ReceiptsPage::nextPressed() {
    const bool blank = state().offersBlankForms() && blankForms_->isChecked();
    applyIncludedSteps_(blank);
    St1Section& st1 = record().st1;
    if (blank) {
        st1.totalReceipts = 0;
        st1.liquorPurchases = 0;
        return kMoveOn;
    }
    st1.totalReceipts = EntryChecks::storedTotalReceipts(totalReceipts_->value());
    st1.liquorPurchases = liquorPurchases_->value();
    return kMoveOn;
}

bool ReceiptsPage::queryCancel() {
    return !state().locationMode || confirmCancelReturn(this);
}
