#include "update/UpdateWorkFolder.h"

#include <QDir>
#include <QTemporaryDir>

namespace UpdateWorkFolder {

QString path() {
    // QTemporaryDir makes the folder with a new name and owner-only permissions.
    static const QTemporaryDir folder(QDir(QDir::tempPath()).filePath(QStringLiteral("VTBXXXXXX")));
    return folder.isValid() ? folder.path() : QString();
}

} // namespace UpdateWorkFolder
