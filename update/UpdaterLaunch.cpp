#include "update/UpdaterLaunch.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace UpdaterLaunch {

QString siblingProgram(const char* windowsName, const char* otherName) {
#ifdef Q_OS_WIN
    const char* name = windowsName;
#else
    Q_UNUSED(windowsName);
    const char* name = otherName;
#endif
    return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(name));
}

QString updaterPath() {
    return siblingProgram("VANTROUPDATE.EXE", "vantroupdate");
}

bool start(const QString& programFolder) {
    return QProcess::startDetached(updaterPath(),
                                   {QString::number(QCoreApplication::applicationPid()),
                                    programFolder, QCoreApplication::applicationFilePath()});
}

} // namespace UpdaterLaunch
