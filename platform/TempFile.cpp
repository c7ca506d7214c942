#include "platform/TempFile.h"

#include <QDir>
#include <QTemporaryFile>

namespace TempFile {

QString create(const QString& prefix, const QString& suffix) {
    QTemporaryFile file(
        QDir(QDir::tempPath()).filePath(prefix + QStringLiteral("XXXXXX") + suffix));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return file.fileName();
}

} // namespace TempFile
