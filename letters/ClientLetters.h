#pragma once

#include <QString>
#include <QStringList>

// Gives a client its own letter, copied from the default letter, unless it already has one
// (an existing client letter is left alone; a missing default letter is written first). True
// when the client letter exists afterwards.
bool ensureClientLetter(const QString& clientFilePath);

// The folder client letters are moved to by resetAllClientLetters.
QString backedUpLettersFolder(const QString& clientDataFolder);

// Moves every client letter ("*.tlt") of the client data folder (ending with '/') into its
// "BackedUpLettersFolder", so those clients get the default letter again. A letter is deleted
// only after it was copied; one whose name is already in the backup folder, or that cannot be
// copied, stays where it is. Returns the file names of the letters left in place.
QStringList resetAllClientLetters(const QString& clientDataFolder);
