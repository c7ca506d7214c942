#include "update/UpdaterLaunch.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace UpdaterLaunch {

QString updaterPath() {
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("VANTROUPDATE.EXE");
#else
    const QString name = QStringLiteral("vantroupdate");
#endif
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

bool start(const QString& programFolder) {
    return QProcess::startDetached(updaterPath(),
                                   {QString::number(QCoreApplication::applicationPid()),
                                    programFolder, QCoreApplication::applicationFilePath()});
}

} // namespace UpdaterLaunch
