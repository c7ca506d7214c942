#pragma once

#include "wizards/client/ClientWizardStep.h"

// The last step: showing it marks the end of the wizard as reached.
class FinishStep : public ClientWizardStep {
    Q_OBJECT
public:
    explicit FinishStep(ClientWizardState& state);
    void pageShown() override;

protected:
    void buildContents(QVBoxLayout* box) override;
};
