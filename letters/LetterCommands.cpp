#include "letters/LetterCommands.h"

#include "letters/ClientLetters.h"
#include "letters/DefaultLetter.h"
#include "letters/LetterEditorDialog.h"
#include "letters/LetterGenerator.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

#include <QFile>

namespace {
bool confirmReset(QWidget* parent, const QString& question) {
    return MessageBoxes::current().confirm(parent, question, MessageIcon::Stop, true);
}

void runEditor(QWidget* parent, LetterEditorMode mode, const QString& path) {
    LetterEditorDialog editor(mode, path, parent);
    editor.exec();
}

QStringList moveClientLetters(const QString& clientDataFolder) {
    WaitCursor wait;
    return resetAllClientLetters(clientDataFolder);
}

QString resetReport(const QStringList& leftInPlace) {
    QString report = QStringLiteral("Reset Completed");
    if (!leftInPlace.isEmpty())
        report += QStringLiteral("\n\nThese letters were kept, because a letter of the same name "
                                 "is already in the folder BackedUpLettersFolder or they could "
                                 "not be copied there:\n") +
                  leftInPlace.join(u'\n');
    return report;
}
} // namespace

void editDefaultLetter(QWidget* parent) {
    ensureDefaultLetter(false);
    runEditor(parent, LetterEditorMode::DefaultLetter, defaultLetterPath());
}

void editClientLetter(QWidget* parent, const QString& clientFilePath) {
    ensureClientLetter(clientFilePath);
    runEditor(parent, LetterEditorMode::ClientLetter, clientLetterPath(clientFilePath));
}

void printTransmittalLetter(QWidget* parent, const LetterInputs& inputs) {
    const QString letter = generateLetter(inputs);
    if (letter.isEmpty()) {
        MessageBoxes::current().inform(parent,
                                       QStringLiteral("The transmittal letter could not be "
                                                      "created in the temporary folder."),
                                       MessageIcon::Stop);
        return;
    }
    runEditor(parent, LetterEditorMode::Print, letter);
    QFile::remove(letter);
}

void resetDefaultLetterCommand(QWidget* parent) {
    if (!confirmReset(parent,
                      QStringLiteral("This will reset the \"Default Transmittal Letter\" to its "
                                     "original content, which comes with Vantrobe, which means you "
                                     "will lose any changes, which you might have done to the "
                                     "letter. Are you sure you want to continue?")))
        return;
    if (!ensureDefaultLetter(true))
        MessageBoxes::current().inform(
            parent,
            QStringLiteral("The default transmittal letter could not be written:\n%1")
                .arg(defaultLetterPath()),
            MessageIcon::Stop);
}

void resetAllClientLettersCommand(QWidget* parent, const QString& clientDataFolder) {
    if (!confirmReset(parent,
                      QStringLiteral("This will reset the transmittal letters for all clients "
                                     "configured inside Vantrobe, which means you will lose any "
                                     "changes, which you might have done for each one of these "
                                     "letters. Are you sure you want to continue?")))
        return;
    const QStringList leftInPlace = moveClientLetters(clientDataFolder);
    MessageBoxes::current().inform(parent, resetReport(leftInPlace), MessageIcon::Information);
}
