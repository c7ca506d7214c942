#include "wizards/client/BusinessStep.h"

#include "clients/ClientList.h"
#include "clients/profile/SiteTexts.h"
#include "platform/FixedText.h"
#include "taxtables/TaxTablesDialog.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/SiteFieldsForm.h"
#include "wizards/client/StepKeys.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kEmailLength = 48;
}

BusinessStep::BusinessStep(ClientWizardState& state)
    : ClientWizardStep(StepKeys::kBusiness, QStringLiteral("Business General Information."),
                       state) {}

void BusinessStep::buildContents(QVBoxLayout* box) {
    fields_ = new SiteFieldsForm(QStringLiteral("Business Name:"), kEmailLength);
    EntryChecks::SiteEntry site = SiteTexts::of(*state().answers.draft);
    site.email = FixedText::get(state().answers.businessEmail);
    fields_->setEntry(site);
    box->addWidget(fields_);

    tables_ = makeViewTaxTablesButton(state().taxTable);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(tables_);
    box->addLayout(row);
}

bool BusinessStep::store() {
    const QString message = problem();
    if (message.isEmpty())
        return true;
    refuse(message);
    return false;
}

QString BusinessStep::problem() {
    const EntryChecks::SiteEntry site = fields_->entry();
    if (state().isNew() && state().clients.nameExists(site.name))
        return EntryChecks::kDuplicateName;
    ClientAnswers& answers = state().answers;
    SiteTexts::store(site, *answers.draft);
    FixedText::set(answers.businessEmail, site.email);
    const EntryChecks::SiteCheck check = EntryChecks::checkSite(
        site, QStringLiteral("Business Name.\n"), state().taxTable, answers.draft->taxRecord);
    if (check.codeFound)
        state().wizardLocationCode = site.locationCode.toStdString();
    return check.problem;
}
