#pragma once

#include <QString>
#include <QStringList>

// The updater's work on the program folder: every file the "New" folder holds is moved over
// the installed one of the same relative name, and the file it replaces is kept in "Old". When
// any step fails, every file already replaced is put back from "Old" and the new ones are
// removed, so the program folder is as it was. Each step is written to the log.
namespace StagedInstall {
inline constexpr char kLogFileName[] = "UpdateLog.txt";

// Installs what programFolder/New holds. True when every file was installed; the then empty
// "New" folder is removed and "Old" keeps the replaced files.
bool install(const QString& programFolder);

// Appends one time-stamped line to programFolder/UpdateLog.txt.
void log(const QString& programFolder, const QString& line);
} // namespace StagedInstall
