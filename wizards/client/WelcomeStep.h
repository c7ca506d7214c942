#pragma once

#include "wizards/client/ClientWizardStep.h"

// The first step: what the wizard is about, and the question before a cancel.
class WelcomeStep : public ClientWizardStep {
    Q_OBJECT
public:
    explicit WelcomeStep(ClientWizardState& state);
    bool queryCancel() override;

protected:
    void buildContents(QVBoxLayout* box) override;
};
