#include "forms/PageFileWriter.h"

#include "platform/PrivateTempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kPrefix = QStringLiteral("EMF");
} // namespace

PageFileWriter::~PageFileWriter() {
    if (!folder_.isEmpty() && written_ == 0)
        QDir().rmdir(folder_);
}

QString PageFileWriter::write(const QByteArray& image) {
    if (image.isEmpty())
        return {};
    if (folder_.isEmpty())
        folder_ = PrivateTempFolder::createFolder(kPrefix);
    if (folder_.isEmpty())
        return {};
    const QString path = QDir(folder_).filePath(
        kPrefix + QStringLiteral("%1").arg(written_ + 1, 3, 10, QLatin1Char('0')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return {};
    if (file.write(image) != image.size() || !file.flush()) {
        file.remove();
        return {};
    }
    ++written_;
    return path;
}

void PageFileWriter::removeFolderOfPageIfEmpty(const QString& pagePath) {
    const QFileInfo folder(QFileInfo(pagePath).absolutePath());
    if (folder.fileName().startsWith(kPrefix))
        QDir().rmdir(folder.absoluteFilePath());
}
