#include "wizards/client/FinishStep.h"

#include "ui/wizard/CWizardDialog.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/StepKeys.h"

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
