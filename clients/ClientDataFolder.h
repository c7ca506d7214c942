#pragma once

#include <QString>

// The client data folder as the file system sees it: whether client files can be kept there,
// and making it when it is missing.
namespace ClientDataFolder {

enum class State { Usable, Missing, NotAFolder, NotWritable };

State check(const QString& folder);

// Creates the folder with any missing parents; true when a usable folder is there afterwards.
bool create(const QString& folder);

// The default client data folder is made when it is the folder in use and missing: a fresh
// install has nothing prepared by hand. A folder the preparer chose is left alone, so a missing
// network or removable drive is not replaced by an empty local folder. False when the default
// folder is missing and cannot be made.
bool ensureDefault(const QString& folder, const QString& defaultFolder);

// The preparer's words for a folder that cannot hold client files; empty when it can.
QString problemText(const QString& folder);

} // namespace ClientDataFolder
