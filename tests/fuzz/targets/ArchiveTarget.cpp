#include "history/SafeUnzip.h"
#include "targets/FuzzEntries.h"
#include "targets/FuzzScratchFile.h"
#include "update/UpdateArchive.h"

#include <QDir>

namespace {
// Small caps keep a bomb from filling the disk while every refusal path is still reached.
constexpr qsizetype kMaxEntries = 64;
constexpr qint64 kMaxTotalBytes = qint64(4) << 20;

QString emptiedFolder(const QString& name) {
    const QString path = FuzzScratchFile::path(name);
    QDir(path).removeRecursively();
    return path;
}
} // namespace

// Both unpackers of the program read the same bytes: a history entry's page archive and the
// update archive.
void FuzzEntries::archive(const QByteArray& input) {
    const QString archivePath = FuzzScratchFile::write(QStringLiteral("archive.zip"), input);
    unzipFlat(archivePath, emptiedFolder(QStringLiteral("pages")),
              UnzipLimits{kMaxEntries, kMaxTotalBytes});
    UpdateArchive::extractSafely(archivePath, emptiedFolder(QStringLiteral("update")),
                                 UpdateArchive::Limits{kMaxEntries, kMaxTotalBytes});
}
