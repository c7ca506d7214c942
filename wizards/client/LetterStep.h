#pragma once

#include "wizards/client/ClientWizardStep.h"

class QPushButton;

// "Transmittal Letter": gives the client its own letter, copied from the default letter when
// the step is first shown, and opens the letter editor on it.
class LetterStep : public ClientWizardStep {
    Q_OBJECT
public:
    explicit LetterStep(ClientWizardState& state);

    QPushButton* editButton() const { return edit_; }

protected:
    void buildContents(QVBoxLayout* box) override;

private:
    void editLetter();

    QPushButton* edit_ = nullptr;
};
