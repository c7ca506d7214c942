#pragma once

#include "ui/wizard/CWizardDialog.h"

#include <functional>

struct ClientWizardState;

// "Setup New Client" or "Modify Client": the fifteen steps over the answers of `state`, which
// must outlive the wizard.
class ClientWizard : public CWizardDialog {
    Q_OBJECT
public:
    explicit ClientWizard(ClientWizardState& state, QWidget* parent = nullptr);

    // What Finish does with the answers once every step took them: saving the client. False
    // (after telling the preparer why) keeps the wizard open, so nothing typed is lost and
    // Finish can be pressed again once the cause is mended.
    void setFinishAction(std::function<bool()> action) { finishAction_ = std::move(action); }

protected:
    bool commitFinish() override;

private:
    std::function<bool()> finishAction_;
};
