#include "wizards/client/SiteKindStep.h"

#include "ui/wizard/CWizardDialog.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/StepKeys.h"

SiteKindStep::SiteKindStep(ClientWizardState& state)
    : YesNoStep(StepKeys::kSiteKind, QStringLiteral("Multiple or Single Site"),
                // A no-break space keeps "#.?" on the line of "IBT".
                QStringLiteral("Does this client make sales from more than one site under the "
                               "same IBT\u00a0#.?"),
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
