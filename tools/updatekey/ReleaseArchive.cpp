#include "ReleaseArchive.h"

#include <QDateTime>
#include <QFile>
#include <minizip/zip.h>

namespace {
constexpr unsigned kMadeOnUnix = (3u << 8) | 20u;
constexpr unsigned kRegularFile = 0100000;

zip_fileinfo entryInfo(const ReleaseArchive::Entry& entry, const QDateTime& now) {
    zip_fileinfo info{};
    info.tmz_date.tm_sec = uInt(now.time().second());
    info.tmz_date.tm_min = uInt(now.time().minute());
    info.tmz_date.tm_hour = uInt(now.time().hour());
    info.tmz_date.tm_mday = uInt(now.date().day());
    info.tmz_date.tm_mon = uInt(now.date().month() - 1);
    info.tmz_date.tm_year = uInt(now.date().year());
    info.external_fa = uLong(kRegularFile | (entry.unixMode & 0777)) << 16;
    return info;
}

bool addEntry(zipFile zip, const ReleaseArchive::Entry& entry, const QDateTime& now) {
    const zip_fileinfo info = entryInfo(entry, now);
    if (zipOpenNewFileInZip4(zip, entry.name.toUtf8().constData(), &info, nullptr, 0, nullptr, 0,
                             nullptr, Z_DEFLATED, Z_BEST_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                             Z_DEFAULT_STRATEGY, nullptr, 0, kMadeOnUnix, 0) != ZIP_OK)
        return false;
    const bool written =
        zipWriteInFileInZip(zip, entry.bytes.constData(), unsigned(entry.bytes.size())) == ZIP_OK;
    return zipCloseFileInZip(zip) == ZIP_OK && written;
}
} // namespace

namespace ReleaseArchive {

bool write(const QString& path, const std::vector<Entry>& entries) {
    QFile::remove(path);
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    const QDateTime now = QDateTime::currentDateTime();
    bool written = true;
    for (const Entry& entry : entries)
        written = written && addEntry(zip, entry, now);
    return zipClose(zip, nullptr) == ZIP_OK && written;
}

} // namespace ReleaseArchive
