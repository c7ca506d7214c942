#pragma once

#include "ui/wizard/CWizardPage.h"

class QLabel;
class QVBoxLayout;
struct MultiSiteWizardState;

// A step of the multi-site wizard, framed as every wizard step is (the picture at the left, a
// group box titled with the step's subject), filled once when the step is first shown.
class MultiSiteStep : public CWizardPage {
    Q_OBJECT
public:
    MultiSiteStep(int key, const QString& title, MultiSiteWizardState& state);

    bool pageCreated() override;

protected:
    virtual void buildContents(QVBoxLayout* box) = 0;
    MultiSiteWizardState& state() const { return state_; }
    // A line of text that wraps at the step's width.
    static QLabel* paragraph(const QString& text);

private:
    MultiSiteWizardState& state_;
    QString title_;
};
