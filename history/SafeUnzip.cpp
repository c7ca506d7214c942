#include "history/SafeUnzip.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <minizip/unzip.h>
#include <vector>

namespace {
constexpr qint64 kChunkBytes = 2048;
constexpr uLong kUnixHost = 3;
constexpr uLong kUnixTypeMask = 0170000;
constexpr uLong kUnixLink = 0120000;

// An entry as the central directory states it.
struct EntryPlan {
    QString fileName; // the last part of the entry's name
    qint64 size = 0;
    QDateTime modified;
};

class ArchiveHandle {
public:
    explicit ArchiveHandle(const QString& path)
        : file_(unzOpen64(QFile::encodeName(path).constData())) {}
    ArchiveHandle(const ArchiveHandle&) = delete;
    ArchiveHandle& operator=(const ArchiveHandle&) = delete;
    ~ArchiveHandle() {
        if (file_)
            unzClose(file_);
    }
    unzFile get() const { return file_; }

private:
    unzFile file_;
};

bool isLink(const unz_file_info64& info) {
    return (info.version >> 8) == kUnixHost &&
           ((info.external_fa >> 16) & kUnixTypeMask) == kUnixLink;
}

// The last part of a safe entry name, or an empty text for a name that must not be unpacked.
QString safeFileName(QString name) {
    name.replace(u'\\', u'/');
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u':'))
        return {};
    const QStringList parts = name.split(u'/');
    if (parts.contains(QStringLiteral("..")))
        return {};
    const QString& last = parts.last();
    return last == QStringLiteral(".") ? QString() : last;
}

QDateTime entryTime(const unz_file_info64& info) {
    const tm_unz& when = info.tmu_date;
    return QDateTime(QDate(static_cast<int>(when.tm_year), static_cast<int>(when.tm_mon) + 1,
                           static_cast<int>(when.tm_mday)),
                     QTime(static_cast<int>(when.tm_hour), static_cast<int>(when.tm_min),
                           static_cast<int>(when.tm_sec)));
}

std::optional<EntryPlan> planEntry(unzFile archive) {
    unz_file_info64 info{};
    char name[1024];
    if (unzGetCurrentFileInfo64(archive, &info, name, sizeof name, nullptr, 0, nullptr, 0) !=
            UNZ_OK ||
        info.size_filename >= sizeof name || isLink(info))
        return std::nullopt;
    const QString fileName = safeFileName(QString::fromUtf8(name));
    if (fileName.isEmpty())
        return std::nullopt;
    return EntryPlan{fileName, static_cast<qint64>(info.uncompressed_size), entryTime(info)};
}

// Every entry checked before anything is written: names, links, count and stated sizes.
std::optional<std::vector<EntryPlan>> planArchive(unzFile archive, const UnzipLimits& limits) {
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(archive, &global) != UNZ_OK || global.number_entry == 0 ||
        global.number_entry > static_cast<ZPOS64_T>(limits.maxEntries))
        return std::nullopt;
    std::vector<EntryPlan> plans;
    QSet<QString> names;
    qint64 totalBytes = 0;
    for (int result = unzGoToFirstFile(archive); result == UNZ_OK;
         result = unzGoToNextFile(archive)) {
        std::optional<EntryPlan> plan = planEntry(archive);
        if (!plan || names.contains(plan->fileName) || plan->size < 0 ||
            plan->size > limits.maxTotalBytes - totalBytes ||
            static_cast<qsizetype>(plans.size()) >= limits.maxEntries)
            return std::nullopt;
        totalBytes += plan->size;
        names.insert(plan->fileName);
        plans.push_back(std::move(*plan));
    }
    if (plans.size() != global.number_entry)
        return std::nullopt;
    return plans;
}

// Copies the current entry into `target`, never more bytes than the entry states.
bool copyEntry(unzFile archive, QFile& target, qint64 statedSize) {
    char chunk[kChunkBytes];
    qint64 written = 0;
    for (;;) {
        const int count = unzReadCurrentFile(archive, chunk, kChunkBytes);
        if (count < 0)
            return false;
        if (count == 0)
            return written == statedSize;
        written += count;
        if (written > statedSize || target.write(chunk, count) != count)
            return false;
    }
}

// Writes one entry as a new file; a file or link already at that place is replaced, never
// written through.
bool unpackEntry(unzFile archive, const EntryPlan& plan, const QString& path) {
    QFile::remove(path);
    QFile target(path);
    if (unzOpenCurrentFile(archive) != UNZ_OK)
        return false;
    const bool copied = target.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                        copyEntry(archive, target, plan.size) && target.flush() &&
                        target.setFileTime(plan.modified, QFileDevice::FileModificationTime);
    const bool checked = unzCloseCurrentFile(archive) == UNZ_OK;
    return copied && checked;
}

bool prepareFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isSymLink())
        return false;
    return info.isDir() || QDir().mkpath(folder);
}

void removeFiles(const QStringList& paths) {
    for (const QString& path : paths)
        QFile::remove(path);
}
} // namespace

std::optional<QStringList> unzipFlat(const QString& archivePath, const QString& targetFolder,
                                     const UnzipLimits& limits) {
    const ArchiveHandle archive(archivePath);
    if (!archive.get())
        return std::nullopt;
    const std::optional<std::vector<EntryPlan>> plans = planArchive(archive.get(), limits);
    if (!plans || !prepareFolder(targetFolder))
        return std::nullopt;
    QStringList written;
    int result = unzGoToFirstFile(archive.get());
    for (const EntryPlan& plan : *plans) {
        const QString path = QDir(targetFolder).filePath(plan.fileName);
        written.append(path);
        if (result != UNZ_OK || !unpackEntry(archive.get(), plan, path)) {
            removeFiles(written);
            return std::nullopt;
        }
        result = unzGoToNextFile(archive.get());
    }
    return written;
}
