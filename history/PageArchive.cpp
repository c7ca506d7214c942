#include "history/PageArchive.h"

#include "platform/PrivateTempFolder.h"
#include "platform/ZipDevice.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr qint64 kChunkBytes = 2048;
constexpr uLong kDosReadOnly = 0x01;
constexpr uLong kDosArchive = 0x20;

// The entry name of a page: its path with the archive's folder taken off the front.
std::optional<QString> entryName(const QString& rootFolder, const QString& pagePath) {
    const QString path = QDir::cleanPath(QFileInfo(pagePath).absoluteFilePath());
    if (!path.startsWith(rootFolder, Qt::CaseInsensitive))
        return std::nullopt;
    const QString name = path.mid(rootFolder.size());
    if (name.isEmpty() || name.startsWith(QStringLiteral("../")))
        return std::nullopt;
    return name;
}

zip_fileinfo entryInfo(const QFileInfo& file) {
    const QDateTime modified = file.lastModified().toLocalTime();
    zip_fileinfo info{};
    info.tmz_date.tm_sec = static_cast<uInt>(modified.time().second());
    info.tmz_date.tm_min = static_cast<uInt>(modified.time().minute());
    info.tmz_date.tm_hour = static_cast<uInt>(modified.time().hour());
    info.tmz_date.tm_mday = static_cast<uInt>(modified.date().day());
    info.tmz_date.tm_mon = static_cast<uInt>(modified.date().month() - 1);
    info.tmz_date.tm_year = static_cast<uInt>(modified.date().year());
    info.external_fa = kDosArchive | (file.isWritable() ? 0 : kDosReadOnly);
    return info;
}

// Copies the page file into the open entry, 2048 bytes at a time.
bool copyIntoEntry(zipFile archive, QFile& page) {
    char chunk[kChunkBytes];
    for (;;) {
        const qint64 count = page.read(chunk, kChunkBytes);
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        if (zipWriteInFileInZip(archive, chunk, static_cast<unsigned>(count)) != ZIP_OK)
            return false;
    }
}

bool addPage(zipFile archive, const QString& rootFolder, const PageEntry& page) {
    const std::optional<QString> name = entryName(rootFolder, page.path());
    QFile file(page.path());
    if (!name || !file.open(QIODevice::ReadOnly))
        return false;
    const zip_fileinfo info = entryInfo(QFileInfo(file));
    if (zipOpenNewFileInZip(archive, name->toUtf8().constData(), &info, nullptr, 0, nullptr, 0,
                            nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION) != ZIP_OK)
        return false;
    const bool copied = copyIntoEntry(archive, file);
    return zipCloseFileInZip(archive) == ZIP_OK && copied;
}
} // namespace

std::optional<QByteArray> pageArchiveBytes(const PageList& pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    zipFile archive = ZipDevice::openForWriting(buffer);
    if (!archive)
        return std::nullopt;
    const QString rootFolder = QDir::cleanPath(PrivateTempFolder::path()) + u'/';
    bool written = true;
    for (const PageEntry& page : pages) {
        written = addPage(archive, rootFolder, page);
        if (!written)
            break;
    }
    if (zipClose(archive, nullptr) != ZIP_OK || !written)
        return std::nullopt;
    return buffer.data();
}
