#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& overrideFolder() {
    static QString folder;
    return folder;
}

QString defaultFolder() {
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (!exeFolder.isEmpty() && QFileInfo(exeFolder).isWritable())
        return exeFolder;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    return dataFolder;
}
} // namespace

QString ProgramFolder::withTrailingSeparator(const QString& folder) {
    if (folder.endsWith(u'/') || folder.endsWith(QDir::separator()))
        return folder;
    return folder + u'/';
}

QString ProgramFolder::path() {
    const QString folder = overrideFolder().isEmpty() ? defaultFolder() : overrideFolder();
    return withTrailingSeparator(folder);
}

void ProgramFolder::setOverride(const QString& folder) {
    overrideFolder() = folder;
}
