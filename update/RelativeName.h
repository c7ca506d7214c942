#pragma once

#include <QString>

// Names of files inside an update, relative to the program folder.
namespace RelativeName {
// True for a relative name of plain parts separated by '/': not empty, not absolute, no
// drive letter, no backslash, no "." or ".." part, no NUL.
bool isSafe(const QString& name);
} // namespace RelativeName
