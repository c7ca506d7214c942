#pragma once

#include "wizards/client/YesNoStep.h"

// "Multiple or Single Site": a multi-site client goes through the locations step, a
// single-site client through the business step.
class SiteKindStep : public YesNoStep {
    Q_OBJECT
public:
    explicit SiteKindStep(ClientWizardState& state);
    void pageShown() override;

protected:
    bool store() override;
};
