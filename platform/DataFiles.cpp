#include "platform/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DataFiles::locate(const QString& fileName) {
    const QStringList folders = {QDir::currentPath(), QCoreApplication::applicationDirPath(),
                                 QStringLiteral(VANTROBE_DATA_DIR)};
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        const QString candidate = QDir(folder).filePath(fileName);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return fileName;
}
