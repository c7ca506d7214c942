#pragma once

#include "clients/wizard/CWizardDialog.h"

struct ClientWizardState;

// "Setup New Client" or "Modify Client": the fifteen steps over the answers of `state`, which
// must outlive the wizard.
class ClientWizard : public CWizardDialog {
    Q_OBJECT
public:
    explicit ClientWizard(ClientWizardState& state, QWidget* parent = nullptr);
};
