// vantroupdate: installs an update the program has staged, then starts the program again.
//
//     vantroupdate <process id> <program folder> [<program>]
//
// Waits for the process to end, moves every file of <program folder>/New over the installed
// one (keeping the replaced files in Old, putting them all back when a step fails) and starts
// <program> (by default the "vantrobe" beside the updater). UpdateLog.txt in the program
// folder tells what happened.
#include "update/UpdaterLaunch.h"
#include "update/updater/ProcessWait.h"
#include "update/updater/StagedInstall.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>

namespace {
constexpr int kWaitForProgramMs = 60000;
} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: vantroupdate <process id> <program folder> [<program>]\n");
        return 2;
    }
    bool pidValid = false;
    const qint64 pid = arguments[1].toLongLong(&pidValid);
    const QString programFolder = arguments[2];
    const QString program =
        arguments.value(3, UpdaterLaunch::siblingProgram("vantrobe.exe", "vantrobe"));
    if (!pidValid || !ProcessWait::waitForExit(pid, kWaitForProgramMs)) {
        StagedInstall::log(programFolder,
                           QStringLiteral("the program did not end; nothing was installed"));
        return 1;
    }
    const bool installed = StagedInstall::install(programFolder);
    if (!QProcess::startDetached(program, {}))
        StagedInstall::log(programFolder, QStringLiteral("could not start %1").arg(program));
    return installed ? 0 : 1;
}
