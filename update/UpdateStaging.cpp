#include "update/UpdateStaging.h"

#include "platform/SafeUnzip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool makeAfresh(const QDir& programFolder, const QString& name) {
    QDir folder(programFolder.filePath(name));
    const bool removed = !QFileInfo::exists(folder.path()) || folder.removeRecursively();
    return removed && programFolder.mkpath(name);
}

void copyListedFile(const QDir& unpackFolder, const QDir& newFolder, const QString& name) {
    const QString source = unpackFolder.filePath(name);
    if (!SafeUnzip::isSafeRelativeName(name) || !QFileInfo(source).isFile())
        return;
    const QString target = newFolder.filePath(name);
    if (QDir().mkpath(QFileInfo(target).path())) {
        QFile::remove(target);
        QFile::copy(source, target);
    }
}
} // namespace

namespace UpdateStaging {

bool writeVersionFile(const QString& folder, const QByteArray& text) {
    QSaveFile file(QDir(folder).filePath(QLatin1String(kVersionFileName)));
    return file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(text) == text.size() &&
           file.commit();
}

bool stage(const QString& unpackFolder, const QString& programFolder,
           const UpdateVersionFile& versionFile, const QByteArray& versionFileText) {
    const QDir program(programFolder);
    if (!makeAfresh(program, QLatin1String(kNewFolder)) ||
        !makeAfresh(program, QLatin1String(kOldFolder)))
        return false;
    const QDir newFolder(program.filePath(QLatin1String(kNewFolder)));
    for (const QString& name : versionFile.names) {
        if (!name.isEmpty())
            copyListedFile(QDir(unpackFolder), newFolder, name);
    }
    return writeVersionFile(newFolder.path(), versionFileText);
}

} // namespace UpdateStaging
