#include "wizards/return/MethodPage.h"

#include "wizards/return/ReturnWizardState.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

MethodPage::MethodPage(Description step, ReturnWizardState& state)
    : ReturnWizardPage(step.key, step.title, step.formPlace, state), step_(std::move(step)) {}

void MethodPage::buildContents(QVBoxLayout* box) {
    box->addWidget(paragraph(QStringLiteral("Part 1: Please specify your preferred method of "
                                            "calculation:")));
    auto* group = new QButtonGroup(this);
    for (int index = 0; index < 3; ++index) {
        const Method& method = step_.methods[index];
        choices_[index] = new QRadioButton(method.choice);
        choices_[index]->setObjectName(QStringLiteral("method%1").arg(index + 1));
        group->addButton(choices_[index], index);
        box->addWidget(choices_[index]);
        QLabel* explanation = paragraph(method.explanation);
        explanation->setContentsMargins(24, 0, 0, 4);
        box->addWidget(explanation);
        connect(choices_[index], &QRadioButton::toggled, this, &MethodPage::showChosenPrompt);
    }
    prompt_ = paragraph({});
    prompt_->setObjectName(QStringLiteral("methodPrompt"));
    box->addSpacing(4);
    box->addWidget(prompt_);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    amount_ = addAmountRow(grid, QStringLiteral("Amount:"), step_.amountKey);
    box->addLayout(grid);
    choices_[0]->setChecked(true);
    showChosenPrompt();
}

int MethodPage::chosenMethod() const {
    for (int index = 0; index < 3; ++index) {
        if (choices_[index]->isChecked())
            return index;
    }
    return 0;
}

void MethodPage::showChosenPrompt() {
    prompt_->setText(step_.methods[chosenMethod()].prompt);
}

QWidget* MethodPage::firstField() const {
    return amount_;
}

int MethodPage::nextPressed() {
    step_.store(record(), chosenMethod(), amount_->value());
    return kMoveOn;
}
