#pragma once

#include <QString>

// The default transmittal letter: "DefaultLetter.rtf" in the program folder, written from the
// factory letter carried inside the program when it is missing (or when a reset forces it).
QString defaultLetterPath();
// Writes the factory letter to defaultLetterPath() when the file is missing or `force` is set.
// True when the letter exists afterwards with all its bytes written.
bool ensureDefaultLetter(bool force);
