#include "platform/PrivateTempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {
const QString kRunFolderPrefix = QStringLiteral("Vantrobe-");
const QString kLockName = QStringLiteral("run.lock");
// A folder without its lock file yet may be one a starting run is making at this moment.
constexpr qint64 kSecondsToMakeARunFolder = 60;

QString& overrideFolder() {
    static QString folder;
    return folder;
}

const PrivateTempFolder::RunFolder& thisRun() {
    static const PrivateTempFolder::RunFolder folder(QDir::tempPath());
    return folder;
}

QString uniquePattern(const QString& prefix, const QString& suffix) {
    const QString folder = PrivateTempFolder::path();
    return folder.isEmpty() ? QString()
                            : QDir(folder).filePath(prefix + QStringLiteral("XXXXXX") + suffix);
}

// A new file made exclusively from the pattern, holding `bytes`; its path or an empty text.
QString newFile(const QString& pattern, const QByteArray& bytes) {
    if (pattern.isEmpty())
        return {};
    QTemporaryFile file(pattern);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return {};
    file.setAutoRemove(false);
    return file.fileName();
}

bool isOwnedByThisUser(const QFileInfo& folder) {
#if defined(Q_OS_UNIX)
    return folder.ownerId() == ::getuid();
#else
    // Elsewhere the temporary folder is the user's own.
    Q_UNUSED(folder);
    return true;
#endif
}

// Whether the run that made `folder` has ended: its lock is stale (its process is gone), or
// it never got a lock and is older than making one takes.
bool runHasEnded(const QFileInfo& folder) {
    const QString lockPath = QDir(folder.filePath()).filePath(kLockName);
    if (!QFileInfo::exists(lockPath)) {
        const QDateTime made = folder.lastModified();
        return !made.isValid() ||
               made.secsTo(QDateTime::currentDateTime()) > kSecondsToMakeARunFolder;
    }
    QLockFile lock(lockPath);
    // A lock is stale only when its process has ended, never because of its age.
    lock.setStaleLockTime(0);
    return lock.tryLock(0);
}
} // namespace

namespace PrivateTempFolder {

struct RunFolder::Parts {
    explicit Parts(const QString& parent)
        : folder(QDir(parent).filePath(kRunFolderPrefix + QStringLiteral("XXXXXX"))),
          lock(folder.filePath(kLockName)) {
        lock.setStaleLockTime(0);
        if (folder.isValid() && !lock.tryLock(0))
            folder.remove();
    }
    QTemporaryDir folder;
    QLockFile lock; // released before the folder goes
};

RunFolder::RunFolder(const QString& parent) : parts_(std::make_unique<Parts>(parent)) {}

RunFolder::~RunFolder() = default;

QString RunFolder::path() const {
    return parts_->folder.isValid() && parts_->lock.isLocked() ? parts_->folder.path() : QString();
}

QString path() {
    return overrideFolder().isEmpty() ? thisRun().path() : overrideFolder();
}

QString filePath(const QString& name) {
    const QString folder = path();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
}

QString createFile(const QString& prefix, const QString& suffix) {
    return newFile(uniquePattern(prefix, suffix), {});
}

QString createFileWith(const QString& prefix, const QByteArray& bytes, const QString& suffix) {
    return newFile(uniquePattern(prefix, suffix), bytes);
}

QString createFolder(const QString& prefix) {
    const QString pattern = uniquePattern(prefix, {});
    if (pattern.isEmpty())
        return {};
    QTemporaryDir folder(pattern);
    if (!folder.isValid())
        return {};
    folder.setAutoRemove(false);
    return folder.path();
}

void removeLeftovers(const QString& parent) {
    const QFileInfoList candidates = QDir(parent).entryInfoList(
        {kRunFolderPrefix + u'*'},
        QDir::Dirs | QDir::NoSymLinks | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& folder : candidates) {
        if (isOwnedByThisUser(folder) && runHasEnded(folder))
            QDir(folder.filePath()).removeRecursively();
    }
}

void setOverride(const QString& folder) {
    overrideFolder() = folder;
}

} // namespace PrivateTempFolder
