#include "wizards/return/AmountsPage.h"

#include "returns/ReturnRecord.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

AmountsPage::AmountsPage(AmountsStep step, ReturnWizardState& state)
    : ReturnWizardPage(step.key, step.title, step.formPlace, state), step_(std::move(step)) {}

void AmountsPage::buildContents(QVBoxLayout* box) {
    if (!step_.introduction.isEmpty())
        box->addWidget(paragraph(step_.introduction));
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(8);
    for (const AmountRow& row : step_.rows) {
        if (!row.paragraphAbove.isEmpty())
            grid->addWidget(paragraph(row.paragraphAbove), grid->rowCount(), 0, 1, 3);
        QLineEdit* description = nullptr;
        if (!row.descriptionKey.isEmpty()) {
            description = new QLineEdit;
            description->setObjectName(row.descriptionKey);
            description->setPlaceholderText(QStringLiteral("Description"));
            description->setAccessibleName(row.label + QStringLiteral(" description"));
            showStartingValue(description);
            grid->addWidget(description, grid->rowCount(), 0, 1, 2);
        }
        descriptions_.push_back(description);
        fields_.push_back(addAmountRow(grid, row.label, row.key, row.kind));
    }
    box->addLayout(grid);
}

void AmountsPage::pageShown() {
    ReturnWizardPage::pageShown();
    if (step_.onShown)
        step_.onShown(record());
}

int AmountsPage::nextPressed() {
    double sum = 0;
    for (const AmountEdit* field : fields_)
        sum += field->value();
    if (step_.sumBelowTotalReceipts && !checkSumBelowTotalReceipts(sum))
        return kStay;
    for (std::size_t index = 0; index < step_.rows.size(); ++index) {
        const AmountRow& row = step_.rows[index];
        row.store(record(), fields_[index]->value());
        if (descriptions_[index])
            row.storeDescription(record(), descriptions_[index]->text());
    }
    if (step_.afterStore)
        step_.afterStore(record());
    return kMoveOn;
}
