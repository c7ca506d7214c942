#include "platform/SafeUnzip.h"

#include "platform/SafeRelativeName.h"
#include "platform/ZipDevice.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <vector>

namespace {
constexpr int kChunkBytes = 16 * 1024;
constexpr int kMaxNameBytes = 1024;
constexpr uLong kUnixHost = 3;
constexpr uLong kUnixTypeMask = 0170000;
constexpr uLong kUnixRegularFile = 0100000;
constexpr uLong kUnixFolder = 0040000;
constexpr uLong kEncryptedFlag = 0x1;

// An entry as the central directory states it, checked.
struct EntryPlan {
    QString relativePath; // below the target folder, '/' between folders
    bool folder = false;
    qint64 size = 0;
    QDateTime modified;                   // invalid when the entry's date is no date
    QFileDevice::Permissions permissions; // none: the system's default
};

class ArchiveReader {
public:
    explicit ArchiveReader(const QByteArray& bytes) {
        buffer_.setData(bytes);
        if (buffer_.open(QIODevice::ReadOnly))
            archive_ = ZipDevice::openForReading(buffer_);
    }
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;
    ~ArchiveReader() {
        if (archive_)
            unzClose(archive_);
    }
    unzFile get() const { return archive_; }

private:
    QBuffer buffer_;
    unzFile archive_ = nullptr;
};

uLong unixMode(const unz_file_info64& info) {
    return (info.version >> 8) == kUnixHost ? (info.external_fa >> 16) : 0;
}

// Links, devices, pipes and sockets have a type of their own; plain files and folders may
// leave the type out.
bool isSpecialFile(const unz_file_info64& info) {
    const uLong type = unixMode(info) & kUnixTypeMask;
    return type != 0 && type != kUnixRegularFile && type != kUnixFolder;
}

// The read, write and execute bits a file packed on a Unix system carries (a program stays
// executable); set-id and sticky bits are never taken over.
QFileDevice::Permissions unixPermissions(const unz_file_info64& info) {
    const uLong mode = unixMode(info) & 0777;
    if ((mode & 0700) == 0)
        return {};
    static constexpr QFileDevice::Permission kBits[] = {
        QFileDevice::ExeOther, QFileDevice::WriteOther, QFileDevice::ReadOther,
        QFileDevice::ExeGroup, QFileDevice::WriteGroup, QFileDevice::ReadGroup,
        QFileDevice::ExeOwner, QFileDevice::WriteOwner, QFileDevice::ReadOwner};
    QFileDevice::Permissions permissions;
    for (int bit = 0; bit < 9; ++bit) {
        if (mode & (1u << bit))
            permissions |= kBits[bit];
    }
    if (permissions & QFileDevice::ReadOwner)
        permissions |= QFileDevice::ReadUser;
    if (permissions & QFileDevice::WriteOwner)
        permissions |= QFileDevice::WriteUser;
    if (permissions & QFileDevice::ExeOwner)
        permissions |= QFileDevice::ExeUser;
    return permissions;
}

QDateTime entryTime(const unz_file_info64& info) {
    const tm_unz& when = info.tmu_date;
    return QDateTime(QDate(int(when.tm_year), int(when.tm_mon) + 1, int(when.tm_mday)),
                     QTime(int(when.tm_hour), int(when.tm_min), int(when.tm_sec)));
}

// The entry's name as the archive stores it; none when it is too long, holds a zero byte or
// is not UTF-8.
std::optional<QString> entryName(const char* bytes, uLong size) {
    const QByteArray name(bytes, qsizetype(size));
    if (name.contains('\0'))
        return std::nullopt;
    const QString text = QString::fromUtf8(name);
    if (text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    return text;
}

std::optional<EntryPlan> planEntry(unzFile archive, SafeUnzip::Layout layout) {
    unz_file_info64 info{};
    char name[kMaxNameBytes];
    if (unzGetCurrentFileInfo64(archive, &info, name, sizeof name, nullptr, 0, nullptr, 0) !=
            UNZ_OK ||
        info.size_filename >= sizeof name || (info.flag & kEncryptedFlag) || isSpecialFile(info))
        return std::nullopt;
    std::optional<QString> text = entryName(name, info.size_filename);
    if (!text)
        return std::nullopt;
    EntryPlan plan{*text, text->endsWith(u'/'), qint64(info.uncompressed_size), entryTime(info),
                   unixPermissions(info)};
    if (plan.folder) {
        plan.relativePath.chop(1);
        if (layout == SafeUnzip::Layout::Flat || plan.size != 0)
            return std::nullopt;
    }
    if (!SafeRelativeName::isSafe(plan.relativePath))
        return std::nullopt;
    if (layout == SafeUnzip::Layout::Flat)
        plan.relativePath = plan.relativePath.section(u'/', -1);
    return plan;
}

// Where the entries land, letter case folded: no two entries on one file, no file that is
// also a folder of another entry.
class TargetNames {
public:
    bool add(const EntryPlan& plan) {
        const QString key = plan.relativePath.toCaseFolded();
        if (files_.contains(key) || (!plan.folder && folders_.contains(key)))
            return false;
        (plan.folder ? folders_ : files_).insert(key);
        for (qsizetype slash = key.indexOf(u'/'); slash >= 0;
             slash = key.indexOf(u'/', slash + 1)) {
            const QString parent = key.left(slash);
            if (files_.contains(parent))
                return false;
            folders_.insert(parent);
        }
        return true;
    }

private:
    QSet<QString> files_;
    QSet<QString> folders_;
};

// Every entry checked before anything is written.
std::optional<std::vector<EntryPlan>> planArchive(unzFile archive, SafeUnzip::Layout layout,
                                                  const SafeUnzip::Limits& limits) {
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(archive, &global) != UNZ_OK || global.number_entry == 0 ||
        global.number_entry > ZPOS64_T(limits.maxEntries))
        return std::nullopt;
    std::vector<EntryPlan> plans;
    TargetNames names;
    qint64 totalBytes = 0;
    int result = unzGoToFirstFile(archive);
    for (; result == UNZ_OK; result = unzGoToNextFile(archive)) {
        std::optional<EntryPlan> plan = planEntry(archive, layout);
        if (!plan || plan->size < 0 || plan->size > limits.maxTotalBytes - totalBytes ||
            qsizetype(plans.size()) >= limits.maxEntries || !names.add(*plan))
            return std::nullopt;
        totalBytes += plan->size;
        plans.push_back(std::move(*plan));
    }
    if (result != UNZ_END_OF_LIST_OF_FILE || plans.size() != global.number_entry)
        return std::nullopt;
    return plans;
}

// What one unpacking wrote, removed again unless it is kept.
class WrittenPaths {
public:
    WrittenPaths() = default;
    WrittenPaths(const WrittenPaths&) = delete;
    WrittenPaths& operator=(const WrittenPaths&) = delete;
    ~WrittenPaths() {
        if (kept_)
            return;
        for (const QString& file : files_)
            QFile::remove(file);
        for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder)
            QDir().rmdir(*folder);
    }
    void addFile(const QString& path) { files_.append(path); }
    void addFolder(const QString& path) { folders_.append(path); }
    QStringList keep() {
        kept_ = true;
        return files_;
    }

private:
    QStringList files_;
    QStringList folders_;
    bool kept_ = false;
};

// Makes the folder `relative` below `base` part by part; a link on the way is never followed.
bool makeFolders(const QString& base, const QString& relative, WrittenPaths& written) {
    QString path = base;
    for (const QString& part : relative.split(u'/', Qt::SkipEmptyParts)) {
        path += u'/' + part;
        const QFileInfo info(path);
        if (info.isSymLink())
            return false;
        if (info.isDir())
            continue;
        if (info.exists() || !QDir().mkdir(path))
            return false;
        written.addFolder(path);
    }
    return true;
}

// Copies the current entry into `target`: exactly the bytes the entry states, no more.
bool copyEntry(unzFile archive, QFile& target, qint64 statedSize) {
    std::vector<char> chunk(kChunkBytes);
    qint64 copied = 0;
    for (;;) {
        const int count = unzReadCurrentFile(archive, chunk.data(), kChunkBytes);
        if (count < 0)
            return false;
        if (count == 0)
            return copied == statedSize;
        copied += count;
        if (copied > statedSize || target.write(chunk.data(), count) != count)
            return false;
    }
}

// Writes the current entry as a new file; a file or link already in its place is replaced,
// never written through.
bool unpackFile(unzFile archive, const EntryPlan& plan, const QString& path,
                WrittenPaths& written) {
    const QFileInfo existing(path);
    if (existing.isDir() && !existing.isSymLink())
        return false;
    if ((existing.exists() || existing.isSymLink()) && !QFile::remove(path))
        return false;
    if (unzOpenCurrentFile(archive) != UNZ_OK)
        return false;
    QFile target(path);
    const bool created = target.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    if (created)
        written.addFile(path);
    const bool copied = created && copyEntry(archive, target, plan.size) && target.flush() &&
                        (!plan.permissions || target.setPermissions(plan.permissions)) &&
                        (!plan.modified.isValid() ||
                         target.setFileTime(plan.modified, QFileDevice::FileModificationTime));
    const bool checked = unzCloseCurrentFile(archive) == UNZ_OK;
    return copied && checked;
}

bool unpackEntry(unzFile archive, const EntryPlan& plan, const QString& targetFolder,
                 WrittenPaths& written) {
    if (plan.folder)
        return makeFolders(targetFolder, plan.relativePath, written);
    const QString folderPart = plan.relativePath.section(u'/', 0, -2);
    return makeFolders(targetFolder, folderPart, written) &&
           unpackFile(archive, plan, targetFolder + u'/' + plan.relativePath, written);
}

bool prepareTargetFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isSymLink())
        return false;
    return info.isDir() || QDir().mkpath(folder);
}
} // namespace

namespace SafeUnzip {

std::optional<QStringList> unpack(const QByteArray& archive, const QString& targetFolder,
                                  Layout layout, const Limits& limits) {
    const ArchiveReader reader(archive);
    if (!reader.get())
        return std::nullopt;
    const std::optional<std::vector<EntryPlan>> plans = planArchive(reader.get(), layout, limits);
    const QString folder = QDir::cleanPath(targetFolder);
    if (!plans || !prepareTargetFolder(folder))
        return std::nullopt;
    WrittenPaths written;
    int result = unzGoToFirstFile(reader.get());
    for (const EntryPlan& plan : *plans) {
        if (result != UNZ_OK || !unpackEntry(reader.get(), plan, folder, written))
            return std::nullopt;
        result = unzGoToNextFile(reader.get());
    }
    return written.keep();
}

} // namespace SafeUnzip
