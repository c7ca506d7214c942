#pragma once

#include "wizards/client/ClientWizardStep.h"

class MaskedEdit;

// "Business Tax Information": the IBT number (required) and the kind of business number.
class TaxNumberStep : public ClientWizardStep {
    Q_OBJECT
public:
    explicit TaxNumberStep(ClientWizardState& state);

    MaskedEdit* ibtEdit() const { return ibt_; }
    MaskedEdit* kobEdit() const { return kob_; }

protected:
    void buildContents(QVBoxLayout* box) override;
    bool store() override;

private:
    MaskedEdit* ibt_ = nullptr;
    MaskedEdit* kob_ = nullptr;
};
