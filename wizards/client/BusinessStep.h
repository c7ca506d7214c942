#pragma once

#include "wizards/client/ClientWizardStep.h"

class QPushButton;
class SiteFieldsForm;

// "Business General Information." of a single-site client: the business's name, address,
// phone, location code and e-mail address.
class BusinessStep : public ClientWizardStep {
    Q_OBJECT
public:
    explicit BusinessStep(ClientWizardState& state);

    SiteFieldsForm* fields() const { return fields_; }
    QPushButton* tablesButton() const { return tables_; }

protected:
    void buildContents(QVBoxLayout* box) override;
    bool store() override;

private:
    QString problem();

    SiteFieldsForm* fields_ = nullptr;
    QPushButton* tables_ = nullptr;
};
