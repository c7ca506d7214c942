#include "update/UpdateArchive.h"

#include "update/RelativeName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <minizip/unzip.h>
#include <vector>

namespace {
constexpr int kChunkBytes = 2048;
constexpr unsigned kHostUnix = 3;
constexpr unsigned kFileTypeMask = 0170000;
constexpr unsigned kSymbolicLink = 0120000;

struct Entry {
    QString name;
    unz_file_info info;
};

class ZipReader {
public:
    explicit ZipReader(const QString& path) : zip_(unzOpen64(QFile::encodeName(path))) {}
    ~ZipReader() {
        if (zip_)
            unzClose(zip_);
    }
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    unzFile handle() const { return zip_; }

    // Every entry's name and header, or false when the directory cannot be read.
    bool listEntries(std::vector<Entry>& entries, int maxEntries) {
        if (!zip_ || unzGoToFirstFile(zip_) != UNZ_OK)
            return false;
        do {
            if (int(entries.size()) >= maxEntries)
                return false;
            Entry entry;
            char name[4096];
            if (unzGetCurrentFileInfo(zip_, &entry.info, name, sizeof name, nullptr, 0, nullptr,
                                      0) != UNZ_OK ||
                entry.info.size_filename >= sizeof name)
                return false;
            entry.name = QString::fromUtf8(name, qsizetype(entry.info.size_filename));
            entries.push_back(entry);
        } while (unzGoToNextFile(zip_) == UNZ_OK);
        return true;
    }

private:
    unzFile zip_;
};

bool isLink(const unz_file_info& info) {
    return (info.version >> 8) == kHostUnix &&
           ((info.external_fa >> 16) & kFileTypeMask) == kSymbolicLink;
}

// The read, write and execute bits an entry made on a Unix host carries (a program file stays
// executable); no set-id or sticky bit is ever taken over.
QFileDevice::Permissions unixPermissions(const unz_file_info& info) {
    const unsigned mode = (info.external_fa >> 16) & 0777;
    QFileDevice::Permissions permissions;
    const QFileDevice::Permission bits[] = {
        QFileDevice::ExeOther, QFileDevice::WriteOther, QFileDevice::ReadOther,
        QFileDevice::ExeGroup, QFileDevice::WriteGroup, QFileDevice::ReadGroup,
        QFileDevice::ExeOwner, QFileDevice::WriteOwner, QFileDevice::ReadOwner};
    for (int bit = 0; bit < 9; ++bit) {
        if (mode & (1u << bit))
            permissions |= bits[bit];
    }
    if (permissions & QFileDevice::ReadOwner)
        permissions |= QFileDevice::ReadUser;
    if (permissions & QFileDevice::WriteOwner)
        permissions |= QFileDevice::WriteUser;
    if (permissions & QFileDevice::ExeOwner)
        permissions |= QFileDevice::ExeUser;
    return permissions;
}

bool isFolderEntry(const QString& name) {
    return name.endsWith(u'/');
}

QString withoutFolderSlash(const QString& name) {
    return isFolderEntry(name) ? name.chopped(1) : name;
}

bool acceptable(const std::vector<Entry>& entries, const UpdateArchive::Limits& limits) {
    qint64 total = 0;
    for (const Entry& entry : entries) {
        total += qint64(entry.info.uncompressed_size);
        if (isLink(entry.info) ||
            !UpdateArchive::isSafeRelativeName(withoutFolderSlash(entry.name)))
            return false;
    }
    return !entries.empty() && total <= limits.maxTotalBytes;
}

QDateTime entryTime(const unz_file_info& info) {
    const tm_unz& t = info.tmu_date;
    return QDateTime(QDate(int(t.tm_year), int(t.tm_mon) + 1, int(t.tm_mday)),
                     QTime(int(t.tm_hour), int(t.tm_min), int(t.tm_sec)));
}

// Writes the current entry to `path` in chunks, never more than `budget` bytes in all.
bool writeCurrentEntry(unzFile zip, const QString& path, qint64& budget) {
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return false;
    QFile file(path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    char chunk[kChunkBytes];
    int read = 0;
    while (written && (read = unzReadCurrentFile(zip, chunk, kChunkBytes)) > 0) {
        budget -= read;
        written = budget >= 0 && file.write(chunk, read) == read;
    }
    const bool intact = unzCloseCurrentFile(zip) == UNZ_OK;
    return written && read == 0 && intact && file.flush();
}

bool extractEntry(unzFile zip, const Entry& entry, const QDir& folder, qint64& budget) {
    const QString target = folder.filePath(withoutFolderSlash(entry.name));
    if (isFolderEntry(entry.name))
        return QDir().mkpath(target);
    if (!QDir().mkpath(QFileInfo(target).path()) || !writeCurrentEntry(zip, target, budget))
        return false;
    QFile file(target);
    if ((entry.info.version >> 8) == kHostUnix && (entry.info.external_fa >> 16) & 0700)
        file.setPermissions(unixPermissions(entry.info));
    if (file.open(QIODevice::Append))
        file.setFileTime(entryTime(entry.info), QFileDevice::FileModificationTime);
    return true;
}
} // namespace

namespace UpdateArchive {

bool isSafeRelativeName(const QString& name) {
    return RelativeName::isSafe(name);
}

bool extractSafely(const QString& archive, const QString& folder, const Limits& limits) {
    ZipReader reader(archive);
    std::vector<Entry> entries;
    if (!reader.listEntries(entries, limits.maxEntries) || !acceptable(entries, limits) ||
        !QDir().mkpath(folder))
        return false;
    const QDir target(folder);
    qint64 budget = limits.maxTotalBytes;
    unzGoToFirstFile(reader.handle());
    for (const Entry& entry : entries) {
        if (!extractEntry(reader.handle(), entry, target, budget))
            return false;
        unzGoToNextFile(reader.handle());
    }
    return true;
}

} // namespace UpdateArchive
