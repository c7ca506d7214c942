#pragma once

#include "ui/wizard/CWizardPage.h"

class QVBoxLayout;
struct MultiSiteWizardState;

// A step of the multi-site wizard: a group box titled with the step's subject, filled once
// when the step is first shown.
class MultiSiteStep : public CWizardPage {
    Q_OBJECT
public:
    MultiSiteStep(int key, const QString& title, MultiSiteWizardState& state);

    bool pageCreated() override;

protected:
    virtual void buildContents(QVBoxLayout* box) = 0;
    MultiSiteWizardState& state() const { return state_; }

private:
    MultiSiteWizardState& state_;
    QString title_;
};
