#pragma once

#include <QString>

// The default transmittal letter: "DefaultLetter.rtf" in the program folder, written from the
// factory letter carried inside the program when it is missing (or when a reset forces it).
namespace DefaultLetter {
QString path();
// Writes the factory letter to path() when the file is missing or `force` is set. True when
// the letter exists afterwards (all bytes written).
bool ensure(bool force);
} // namespace DefaultLetter
