#pragma once

#include "wizards/client/ClientWizardStep.h"

#include <cstdint>

class QRadioButton;

// A step that asks one question answered with "YES" or "NO", optionally followed by a numbered
// list of what it asks about. The buttons start at the stored answer (YES for 1); storing
// writes 1 for YES and 0 for NO.
class YesNoStep : public ClientWizardStep {
    Q_OBJECT
public:
    YesNoStep(int key, const QString& title, const QString& question, std::int32_t& answer,
              ClientWizardState& state, const QStringList& items = {});

    QRadioButton* yesButton() const { return yes_; }
    QRadioButton* noButton() const { return no_; }

protected:
    void buildContents(QVBoxLayout* box) override;
    bool store() override;
    bool yesChosen() const;
    // Lets a step add its own fields below the buttons.
    virtual void buildMore(QVBoxLayout*) {}

private:
    QString question_;
    QStringList items_;
    std::int32_t& answer_;
    QRadioButton* yes_ = nullptr;
    QRadioButton* no_ = nullptr;
};
