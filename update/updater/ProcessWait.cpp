#include "update/updater/ProcessWait.h"

#include <QDeadlineTimer>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QFile>
#include <cerrno>
#include <csignal>
#endif

namespace {
#ifdef Q_OS_WIN
bool waitForProcess(qint64 pid, int timeoutMs) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
    if (!process)
        return true;
    const bool ended = WaitForSingleObject(process, DWORD(timeoutMs)) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}
#else
constexpr int kPollMs = 50;

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

bool isRunning(qint64 pid) {
    const bool exists = ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
    return exists && !isZombie(pid);
}

bool waitForProcess(qint64 pid, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (isRunning(pid)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
}
#endif
} // namespace

namespace ProcessWait {

bool waitForExit(qint64 pid, int timeoutMs) {
    return pid <= 0 || waitForProcess(pid, timeoutMs);
}

} // namespace ProcessWait
