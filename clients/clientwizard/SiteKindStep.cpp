#include "clients/clientwizard/SiteKindStep.h"

#include "clients/clientwizard/ClientWizardState.h"
#include "clients/clientwizard/StepKeys.h"
#include "clients/wizard/CWizardDialog.h"

SiteKindStep::SiteKindStep(ClientWizardState& state)
    : YesNoStep(StepKeys::kSiteKind, QStringLiteral("Multiple or Single Site"),
                QStringLiteral("Does this client make sales from more than one site under the "
                               "same IBT #.?"),
                state.answers.draft->multiSite, state) {}

void SiteKindStep::pageShown() {
    if (endReached())
        wizard()->setFinishEnabled(true);
}

bool SiteKindStep::store() {
    YesNoStep::store();
    const bool multiSite = yesChosen();
    wizard()->page(StepKeys::kBusiness)->setStepEnabled(!multiSite);
    wizard()->page(StepKeys::kLocations)->setStepEnabled(multiSite);
    wizard()->page(StepKeys::kSoftDrinkTax)->setStepEnabled(true);
    wizard()->page(StepKeys::kFoodAndBeverageTax)->setStepEnabled(true);
    return true;
}
