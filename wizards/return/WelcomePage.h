#pragma once

#include "wizards/return/ReturnWizardPage.h"

// Step 276: who the return is for. It asks before the wizard is cancelled, and before it is
// finished without the return having been previewed.
class WelcomePage : public ReturnWizardPage {
    Q_OBJECT
public:
    explicit WelcomePage(ReturnWizardState& state);

    bool queryCancel() override;
    bool finishPressed() override;

protected:
    void buildContents(QVBoxLayout* box) override;
};

// "Are you sure you want to cancel?", No the default; true for Yes.
bool confirmCancelReturn(QWidget* parent);
