#pragma once

#include "ui/wizard/CWizardPage.h"

#include <QLabel>
#include <QStringList>

class QVBoxLayout;
struct ClientWizardState;

// A step of the client wizard: the wizard picture down the left side and a group box titled
// with the step's subject. A step stores its answers on Next and Finish, and on Back once the
// end of the wizard was reached; a refused answer keeps the wizard on the step.
class ClientWizardStep : public CWizardPage {
    Q_OBJECT
public:
    ClientWizardStep(int key, const QString& title, ClientWizardState& state);

    bool pageCreated() override;
    int nextPressed() override;
    int backPressed() override;
    bool finishPressed() override;

protected:
    // Fills the group box, once, when the step is first shown.
    virtual void buildContents(QVBoxLayout* box) = 0;
    // Stores the answers; false (after telling the preparer why) keeps the step.
    virtual bool store() { return true; }

    // A refusal with an OK button.
    void refuse(const QString& message);
    // A word-wrapped label for the step's questions and explanations.
    static QLabel* paragraph(const QString& text);
    // A lead sentence over numbered items, each wrapping under its own first word.
    static QLabel* numberedList(const QString& lead, const QStringList& items);
    ClientWizardState& state() const { return state_; }
    bool endReached() const;

private:
    ClientWizardState& state_;
    QString title_;
};
