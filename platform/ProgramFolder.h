#pragma once

#include <QString>

// The folder the program keeps its writable files in (the default letter, the default client
// folder, the version file, the update staging folders). It is the executable's folder when
// that folder is writable (a build tree or a per-user install) and otherwise the per-user data
// folder, so a system-wide read-only install still starts. The text ends with '/'.
namespace ProgramFolder {
QString path();
// Lets tests and tools put the program folder elsewhere; an empty text restores the default.
void setOverride(const QString& folder);
// Appends the path separator unless the text already ends with one.
QString withTrailingSeparator(const QString& folder);
} // namespace ProgramFolder
