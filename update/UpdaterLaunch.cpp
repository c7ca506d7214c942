#include "update/UpdaterLaunch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {
#ifdef Q_OS_WIN
constexpr char kUpdaterName[] = "VANTROUPDATE.EXE";
#else
constexpr char kUpdaterName[] = "vantroupdate";
#endif

bool copyFile(const QString& from, const QDir& folder) {
    const QString to = folder.filePath(QFileInfo(from).fileName());
    return QFile::copy(from, to) && QFile::setPermissions(to, QFile::permissions(from));
}

// The files the updater's copy needs: the updater itself, and on Windows every library
// beside it.
QStringList updaterFiles() {
    QStringList files{UpdaterLaunch::updaterPath()};
#ifdef Q_OS_WIN
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& library : programFolder.entryList({QStringLiteral("*.dll")}, QDir::Files))
        files << programFolder.filePath(library);
#endif
    return files;
}
} // namespace

namespace UpdaterLaunch {

QString updaterPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kUpdaterName));
}

QString copyUpdater(const QString& privateFolder) {
    QDir folder(QDir(privateFolder).filePath(QStringLiteral("updater")));
    if (privateFolder.isEmpty() || !folder.removeRecursively() ||
        !folder.mkpath(QStringLiteral(".")))
        return {};
    for (const QString& file : updaterFiles()) {
        if (!copyFile(file, folder))
            return {};
    }
    return folder.filePath(QLatin1String(kUpdaterName));
}

Handover Handover::ofThisProgram(const QString& programFolder) {
    return {QCoreApplication::applicationPid(), programFolder,
            QCoreApplication::applicationFilePath()};
}

bool start(const Handover& handover, const QString& privateFolder, qint64* updaterPid) {
    const QString updater = copyUpdater(privateFolder);
    return !updater.isEmpty() && QProcess::startDetached(updater,
                                                         {QString::number(handover.programPid),
                                                          handover.programFolder, handover.program},
                                                         QString(), updaterPid);
}

} // namespace UpdaterLaunch
