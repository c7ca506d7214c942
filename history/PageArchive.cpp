#include "history/PageArchive.h"

#include "platform/Clock.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ZipDevice.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr uLong kDosReadOnly = 0x01;
constexpr uLong kDosArchive = 0x20;

// One entry of the archive: its name, the page image and the time and attributes it carries.
struct PageEntrySource {
    QString name;
    QByteArray image;
    zip_fileinfo info{};
};

// The entry name of a page file: its path with the archive's folder taken off the front.
std::optional<QString> entryName(const QString& rootFolder, const QString& pagePath) {
    const QString path = QDir::cleanPath(QFileInfo(pagePath).absoluteFilePath());
    if (!path.startsWith(rootFolder, Qt::CaseInsensitive))
        return std::nullopt;
    const QString name = path.mid(rootFolder.size());
    if (name.isEmpty() || name.startsWith(QStringLiteral("../")))
        return std::nullopt;
    return name;
}

zip_fileinfo entryInfo(const QDateTime& time, bool writable) {
    const QDateTime local = time.toLocalTime();
    zip_fileinfo info{};
    info.tmz_date.tm_sec = static_cast<uInt>(local.time().second());
    info.tmz_date.tm_min = static_cast<uInt>(local.time().minute());
    info.tmz_date.tm_hour = static_cast<uInt>(local.time().hour());
    info.tmz_date.tm_mday = static_cast<uInt>(local.date().day());
    info.tmz_date.tm_mon = static_cast<uInt>(local.date().month() - 1);
    info.tmz_date.tm_year = static_cast<uInt>(local.date().year());
    info.external_fa = kDosArchive | (writable ? 0 : kDosReadOnly);
    return info;
}

// A page kept in memory is named by its place in the list, as its page file would have been
// (EMF001, EMF002, ...), and carries the time it is stored; a page file gives its own name,
// time and attributes. Nothing when the file lies outside the archive's folder or cannot be
// read.
std::optional<PageEntrySource> entrySource(const QString& rootFolder, const PageEntry& page,
                                           int number) {
    if (!page.images[0].isEmpty())
        return PageEntrySource{QStringLiteral("EMF%1").arg(number, 3, 10, QLatin1Char('0')),
                               page.images[0], entryInfo(Clock::now(), true)};
    const std::optional<QString> name = entryName(rootFolder, page.path());
    QFile file(page.path());
    if (!name || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QFileInfo about(file);
    return PageEntrySource{*name, file.readAll(),
                           entryInfo(about.lastModified(), about.isWritable())};
}

bool addPage(zipFile archive, const PageEntrySource& entry) {
    if (zipOpenNewFileInZip(archive, entry.name.toUtf8().constData(), &entry.info, nullptr, 0,
                            nullptr, 0, nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION) != ZIP_OK)
        return false;
    const bool copied = zipWriteInFileInZip(archive, entry.image.constData(),
                                            unsigned(entry.image.size())) == ZIP_OK;
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
    for (size_t index = 0; written && index < pages.size(); ++index) {
        const std::optional<PageEntrySource> entry =
            entrySource(rootFolder, pages[index], int(index) + 1);
        written = entry && addPage(archive, *entry);
    }
    if (zipClose(archive, nullptr) != ZIP_OK || !written)
        return std::nullopt;
    return buffer.data();
}
