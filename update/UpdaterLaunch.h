#pragma once

#include <QString>

// Starting our updater program ("vantroupdate", installed beside this program) for a staged
// update. The updater may have to replace its own file and the libraries it loads, which a
// running program cannot do everywhere, so it runs from a copy in a private temporary folder.
// It gets the id of the process to wait for, the program folder and the program to start
// again, waits for that process to end, installs the staged files and starts the program.
namespace UpdaterLaunch {
// The installed updater beside this program.
QString updaterPath();

// Copies the updater into the subfolder "updater" of `privateFolder` (on Windows with the
// libraries beside it, since Windows loads a program's libraries from the program's folder
// first); the copy's path, or an empty text when it could not be made.
QString copyUpdater(const QString& privateFolder);

// Who hands over: the process the updater waits for, the folder it installs into, and the
// program it starts afterwards.
struct Handover {
    qint64 programPid = 0;
    QString programFolder;
    QString program;

    // This process and this program.
    static Handover ofThisProgram(const QString& programFolder);
};

// Starts a copy of the updater (see copyUpdater) for the hand-over; false when it could not
// be copied or started. `updaterPid` receives the started process's id.
bool start(const Handover& handover, const QString& privateFolder, qint64* updaterPid = nullptr);
} // namespace UpdaterLaunch
