#pragma once

#include <QString>

class QWidget;

// The main window's letter commands. Each asks its questions and shows its messages itself.
// Edit menu "Default Transmittal Letter Setup": the letter editor on the default letter.
void editDefaultLetter(QWidget* parent);
// Tools > Advanced "Reset Default Transmittal Letter".
void resetDefaultLetterCommand(QWidget* parent);
// Tools > Advanced "Reset Transmittal Letter For All Clients", over the client data folder.
void resetAllClientLettersCommand(QWidget* parent, const QString& clientDataFolder);
