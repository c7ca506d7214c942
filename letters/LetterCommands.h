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

struct LetterInputs;

// "Edit Letter" of the client wizard: the letter editor on the client's own letter, created
// from the default letter when the client has none yet.
void editClientLetter(QWidget* parent, const QString& clientFilePath);
// "Print Transmittal Letter": generates the letter, opens it in the editor's print mode and
// deletes the generated file when the editor closes.
void printTransmittalLetter(QWidget* parent, const LetterInputs& inputs);
