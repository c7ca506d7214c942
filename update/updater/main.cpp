// vantroupdate: installs an update the program has staged, then starts the program again.
//
//     vantroupdate <process id> <program folder> [<program>]
//
// The program starts it from a copy in its private temporary folder, so that the updater can
// replace its own file and the libraries it has loaded. It waits for the process to end, puts
// back an install an earlier updater left half done, checks the staged files of
// <program folder>/New against the update's manifest and moves them over the installed ones
// (keeping the replaced files in Old, putting them all back when a step fails), then starts
// <program> (by default the "vantrobe" of the program folder). UpdateLog.txt in the program
// folder tells what happened.
#include "update/updater/ProcessWait.h"
#include "update/updater/StagedInstall.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>

namespace {
constexpr int kWaitForProgramMs = 60000;

#ifdef Q_OS_WIN
constexpr char kProgramName[] = "vantrobe.exe";
#else
constexpr char kProgramName[] = "vantrobe";
#endif
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
        arguments.value(3, QDir(programFolder).filePath(QLatin1String(kProgramName)));
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
