#pragma once

#include <QString>

// Names of files below a folder that come from outside (the entries of an archive, the files
// an update lists): only a name that every system writes below that folder, never elsewhere.
namespace SafeRelativeName {
// True for parts separated by '/', none empty, "." or "..", none holding a control character
// or one of \ : * ? " < > |, none ending in a dot or a space, none a device name of Windows
// (CON, NUL, COM1 ...).
bool isSafe(const QString& name);
} // namespace SafeRelativeName
