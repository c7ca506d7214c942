#include "platform/TempFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>

namespace TempFile {

namespace {
QString pattern(const QString& prefix, const QString& suffix) {
    return QDir(QDir::tempPath()).filePath(prefix + QStringLiteral("XXXXXX") + suffix);
}
} // namespace

QString create(const QString& prefix, const QString& suffix) {
    QTemporaryFile file(pattern(prefix, suffix));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return file.fileName();
}

QString createWith(const QString& prefix, const QByteArray& bytes) {
    QTemporaryFile file(pattern(prefix, {}));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return {};
    file.setAutoRemove(false);
    return file.fileName();
}

QString createFolder(const QString& prefix) {
    // A new temporary folder is made with permissions for its owner alone.
    QTemporaryDir folder(pattern(prefix, {}));
    folder.setAutoRemove(false);
    return folder.isValid() ? folder.path() : QString();
}

} // namespace TempFile
