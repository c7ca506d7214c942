#include "update/updater/ProcessWait.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QFile>
#include <cerrno>
#include <csignal>
#endif

namespace {
constexpr int kPollMs = 50;

enum class ProcessState { Running, Ended, Unknown };

#ifdef Q_OS_WIN
// Only "no such process" means it has ended; a process we may not open (another user's, say)
// may still run. A handle is waited on directly.
ProcessState waitOnce(qint64 pid, int timeoutMs) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
    if (!process)
        return GetLastError() == ERROR_INVALID_PARAMETER ? ProcessState::Ended
                                                         : ProcessState::Unknown;
    const DWORD waited = WaitForSingleObject(process, DWORD(std::max(timeoutMs, 0)));
    CloseHandle(process);
    if (waited == WAIT_OBJECT_0)
        return ProcessState::Ended;
    return waited == WAIT_TIMEOUT ? ProcessState::Running : ProcessState::Unknown;
}
#else
// A process that has ended but whose parent has not yet collected it (a zombie) counts as
// ended: it runs no more code and holds no file open.
bool isZombie(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const qsizetype nameEnd = text.lastIndexOf(')');
    return nameEnd >= 0 && text.mid(nameEnd + 2, 1) == "Z";
}

// Only "no such process" means it has ended; any other failure of the query leaves it open.
ProcessState waitOnce(qint64 pid, int) {
    if (::kill(pid_t(pid), 0) == 0 || errno == EPERM)
        return isZombie(pid) ? ProcessState::Ended : ProcessState::Running;
    return errno == ESRCH ? ProcessState::Ended : ProcessState::Unknown;
}
#endif
} // namespace

namespace ProcessWait {

bool waitForExit(qint64 pid, int timeoutMs) {
    if (pid <= 0)
        return true;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (waitOnce(pid, int(std::min<qint64>(kPollMs, deadline.remainingTime()))) ==
            ProcessState::Ended)
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kPollMs);
    }
}

} // namespace ProcessWait
