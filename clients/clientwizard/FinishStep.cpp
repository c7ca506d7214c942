#include "clients/clientwizard/FinishStep.h"

#include "clients/clientwizard/ClientWizardState.h"
#include "clients/clientwizard/StepKeys.h"
#include "clients/wizard/CWizardDialog.h"

#include <QLabel>
#include <QVBoxLayout>

FinishStep::FinishStep(ClientWizardState& state)
    : ClientWizardStep(StepKeys::kFinish, QStringLiteral("Finish"), state) {}

void FinishStep::buildContents(QVBoxLayout* box) {
    box->addWidget(paragraph(
        state().isNew()
            ? QStringLiteral("Wizard completed, please click \"Finish\" to create this client.")
            : QStringLiteral("Wizard completed, please click \"Finish\" to update this client "
                             "information.")));
}

void FinishStep::pageShown() {
    wizard()->setEndReached();
}
