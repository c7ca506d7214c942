#include "replay/ReplayChild.h"

#include "support/ChildProcessMain.h"
#include "targets/FuzzTarget.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <cstring>

namespace {
constexpr const char* kReplayOption = "--replay";
constexpr int kShownOutput = 2000;

QString outputOf(QProcess& child) {
    return QString::fromLocal8Bit(child.readAll().right(kShownOutput));
}
} // namespace

ReplayChild::Outcome ReplayChild::run(const QString& target, const QString& file, int timeoutMs) {
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kReplayOption), target, file});
    if (!child.waitForStarted())
        return {false, QStringLiteral("the child process did not start: ") + child.errorString()};
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
        return {false, QStringLiteral("did not finish within %1 s").arg(timeoutMs / 1000)};
    }
    if (child.exitStatus() == QProcess::CrashExit)
        return {false, QStringLiteral("crashed:\n") + outputOf(child)};
    if (child.exitCode() != 0)
        return {false, QStringLiteral("ended with exit code %1:\n").arg(child.exitCode()) +
                           outputOf(child)};
    return {true, {}};
}

std::optional<int> ReplayChild::replayFromArguments(int argc, char** argv) {
    if (argc != 4 || std::strcmp(argv[1], kReplayOption) != 0)
        return std::nullopt;
    const FuzzTarget* target = FuzzTargets::find(QString::fromLocal8Bit(argv[2]));
    QFile input(QString::fromLocal8Bit(argv[3]));
    if (!target || !input.open(QIODevice::ReadOnly)) {
        qWarning("Unknown target %s or unreadable input %s", argv[2], argv[3]);
        return 2;
    }
    target->run(input.readAll());
    return 0;
}

std::optional<int> runAsChildProcess(int argc, char** argv) {
    return ReplayChild::replayFromArguments(argc, argv);
}
