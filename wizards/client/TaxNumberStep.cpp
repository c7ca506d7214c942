#include "wizards/client/TaxNumberStep.h"

#include "clients/profile/EntryChecks.h"
#include "platform/FixedText.h"
#include "ui/MaskedEdit.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/StepKeys.h"

#include <QFormLayout>
#include <QVBoxLayout>

TaxNumberStep::TaxNumberStep(ClientWizardState& state)
    : ClientWizardStep(StepKeys::kTaxNumbers, QStringLiteral("Business Tax Information"), state) {}

void TaxNumberStep::buildContents(QVBoxLayout* box) {
    const ClientRecord& draft = *state().answers.draft;
    ibt_ = new MaskedEdit(QStringLiteral("####-####"));
    ibt_->setValue(FixedText::get(draft.ibtNumber));
    kob_ = new MaskedEdit(QStringLiteral("####"));
    kob_->setValue(FixedText::get(draft.kobNumber));
    for (MaskedEdit* edit : {ibt_, kob_})
        edit->setMaximumWidth(120);
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(QStringLiteral("Illinois Business Tax Number (IBT #.):"), ibt_);
    form->addRow(QStringLiteral("Kind of business number (KOB #):"), kob_);
    box->addLayout(form);
}

bool TaxNumberStep::store() {
    ClientRecord& draft = *state().answers.draft;
    FixedText::set(draft.ibtNumber, ibt_->value());
    FixedText::set(draft.kobNumber, kob_->value());
    const QString message = EntryChecks::taxNumberProblem(ibt_->value());
    if (message.isEmpty())
        return true;
    refuse(message);
    return false;
}
