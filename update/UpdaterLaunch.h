#pragma once

#include <QString>

// Starting our updater program ("vantroupdate", installed beside this program) for a staged
// update: it gets this process's id, the program folder and this program's path, waits for
// this process to end, installs the staged files and starts the program again.
namespace UpdaterLaunch {
// The path of a program in this program's folder, by its name on this platform.
QString siblingProgram(const char* windowsName, const char* otherName);
QString updaterPath();
// False when the updater could not be started.
bool start(const QString& programFolder);
} // namespace UpdaterLaunch
