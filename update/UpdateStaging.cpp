#include "update/UpdateStaging.h"

#include "update/UpdateFileNames.h"
#include "update/UpdateManifest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace {
bool makeAfresh(const QDir& programFolder, const QString& name) {
    QDir folder(programFolder.filePath(name));
    const bool removed = !QFileInfo::exists(folder.path()) || folder.removeRecursively();
    return removed && programFolder.mkpath(name);
}

bool writeWhole(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode = {}) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly | mode) && file.write(bytes) == bytes.size() &&
           file.commit();
}

bool copyFiles(const QDir& unpackFolder, const QDir& newFolder, const UpdateManifest& manifest) {
    for (const UpdateManifest::File& file : manifest.files) {
        const QString target = newFolder.filePath(file.name);
        if (!QDir().mkpath(QFileInfo(target).path()) ||
            !QFile::copy(unpackFolder.filePath(file.name), target))
            return false;
    }
    return true;
}
} // namespace

namespace UpdateStaging {

bool writeVersionFile(const QString& folder, const QByteArray& text) {
    return writeWhole(QDir(folder).filePath(QLatin1String(UpdateFileNames::kVersionFile)), text,
                      QIODevice::Text);
}

bool canWrite(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("WriteCheckXXXXXX")));
    return probe.open();
}

bool stage(const QString& unpackFolder, const QString& programFolder,
           const UpdateManifest& manifest) {
    const QDir program(programFolder);
    const QDir newFolder(program.filePath(QLatin1String(UpdateFileNames::kNewFolder)));
    const bool staged =
        makeAfresh(program, QLatin1String(UpdateFileNames::kNewFolder)) &&
        makeAfresh(program, QLatin1String(UpdateFileNames::kOldFolder)) &&
        copyFiles(QDir(unpackFolder), newFolder, manifest) &&
        manifest.firstMismatch(newFolder.path()).isEmpty() &&
        writeWhole(newFolder.filePath(QLatin1String(UpdateFileNames::kManifest)), manifest.text());
    if (!staged)
        QDir(newFolder.path()).removeRecursively();
    return staged;
}

} // namespace UpdateStaging
