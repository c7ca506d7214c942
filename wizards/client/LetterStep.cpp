#include "wizards/client/LetterStep.h"

#include "letters/ClientLetters.h"
#include "letters/LetterCommands.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/StepKeys.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

LetterStep::LetterStep(ClientWizardState& state)
    : ClientWizardStep(StepKeys::kLetter, QStringLiteral("Transmittal Letter"), state) {}

void LetterStep::buildContents(QVBoxLayout* box) {
    ensureClientLetter(state().clientFilePath);
    box->addWidget(paragraph(
        QStringLiteral("In this screen you will be able to configure the transmittal letter for "
                       "this client, this letter will get automatically generated ") +
        QStringLiteral("at the end of each \"New Return\" wizard where you will be able to "
                       "further modify and print the letter.")));
    box->addSpacing(8);
    box->addWidget(paragraph(
        QStringLiteral("Please click on the \"Edit Letter\" button to change the letter.")));
    edit_ = new QPushButton(QStringLiteral("&Edit Letter"));
    edit_->setAutoDefault(false);
    connect(edit_, &QPushButton::clicked, this, &LetterStep::editLetter);
    auto* row = new QHBoxLayout;
    row->addWidget(edit_);
    row->addStretch();
    box->addLayout(row);
}

// The editor opens only on a letter that is there: a client folder that cannot take the
// letter is named instead of showing an empty editor.
void LetterStep::editLetter() {
    const QString& clientFile = state().clientFilePath;
    if (!ensureClientLetter(clientFile)) {
        refuse(QStringLiteral("The transmittal letter of this client could not be created in the "
                              "folder \"%1\".\nPlease check the folder for clients data under "
                              "Edit > Preferences > General.")
                   .arg(QFileInfo(clientFile).path()));
        return;
    }
    editClientLetter(this, clientFile);
    // Some window managers leave no window active when the editor closes; the keyboard must
    // come back to the wizard.
    window()->activateWindow();
}
