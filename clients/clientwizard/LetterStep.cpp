#include "clients/clientwizard/LetterStep.h"

#include "clients/clientwizard/ClientWizardState.h"
#include "clients/clientwizard/StepKeys.h"
#include "letters/ClientLetters.h"
#include "letters/LetterCommands.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

LetterStep::LetterStep(ClientWizardState& state)
    : ClientWizardStep(StepKeys::kLetter, QStringLiteral("Transmittal Letter"), state) {}

void LetterStep::buildContents(QVBoxLayout* box) {
    ensureClientLetter(state().clientFilePath);
    box->addWidget(paragraph(
        QStringLiteral("In this screen you will be able to configure the transmittal letter for "
                       "this client, this letter will get automatically generated ") +
        QStringLiteral("at the end of each \"New Return\" wizard where you will be able to "
                       "further modify and print the letter.")));
    box->addSpacing(8);
    box->addWidget(paragraph(
        QStringLiteral("Please click on the \"Edit Letter\" button to change the letter.")));
    edit_ = new QPushButton(QStringLiteral("Edit Letter"));
    edit_->setAutoDefault(false);
    connect(edit_, &QPushButton::clicked, this, &LetterStep::editLetter);
    auto* row = new QHBoxLayout;
    row->addWidget(edit_);
    row->addStretch();
    box->addLayout(row);
}

void LetterStep::editLetter() {
    editClientLetter(this, state().clientFilePath);
}
