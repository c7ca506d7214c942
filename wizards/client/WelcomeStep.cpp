#include "wizards/client/WelcomeStep.h"

#include "ui/MessageBoxes.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/StepKeys.h"

#include <QLabel>
#include <QVBoxLayout>

WelcomeStep::WelcomeStep(ClientWizardState& state)
    : ClientWizardStep(StepKeys::kWelcome, QStringLiteral("Welcome"), state) {}

void WelcomeStep::buildContents(QVBoxLayout* box) {
    auto* heading = new QLabel(state().isNew() ? QStringLiteral("Setup New Client")
                                               : QStringLiteral("Modify Client"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    heading->setFont(bold);
    box->addWidget(heading);
    box->addSpacing(8);
    box->addWidget(paragraph(
        state().isNew()
            ? QStringLiteral("This wizard guides you through the process of setting up a new "
                             "client.")
            : QStringLiteral("This wizard guides you through the process of modifying an "
                             "existing client.")));
    box->addWidget(paragraph(QStringLiteral("To continue, please click Next.")));
}

bool WelcomeStep::queryCancel() {
    return MessageBoxes::current().confirm(this, QStringLiteral("Are you sure you want to cancel?"),
                                           MessageIcon::Warning, true);
}
