#include "history/HistoryOverviewCache.h"

#include "history/HistoryFilePath.h"

#include <QFileInfo>
#include <QSet>

HistoryOverviewCache::HistoryOverviewCache(QString summaryPath)
    : summaryPath_(std::move(summaryPath)) {}

std::optional<HistoryStamp> HistoryOverviewCache::stampOf(const QString& historyPath) {
    const QFileInfo file(historyPath);
    if (!file.exists())
        return std::nullopt;
    return HistoryStamp{file.size(), file.lastModified().toMSecsSinceEpoch(),
                        file.fileTime(QFileDevice::FileMetadataChangeTime).toMSecsSinceEpoch()};
}

// The summary file is read at the first use, not when the cache is made, so that a board
// which is never shown never reads it.
void HistoryOverviewCache::loadOnce() {
    if (loaded_)
        return;
    loaded_ = true;
    if (!summaryPath_.isEmpty())
        kept_ = OverviewSummaryFile::read(summaryPath_);
}

HistoryOverview HistoryOverviewCache::read(const QString& clientFilePath) {
    loadOnce();
    const QString historyPath = historyFilePath(clientFilePath);
    const std::optional<HistoryStamp> before = stampOf(historyPath);
    if (!before) {
        drop(historyPath);
        return readHistoryOverview(clientFilePath);
    }
    const auto found = kept_.constFind(historyPath);
    if (found != kept_.constEnd() && found->stamp == *before)
        return found->overview;
    HistoryOverview overview = readHistoryOverview(clientFilePath);
    // A file written while it was read, or not read at all, is read again next time.
    if (!overview.unreadable && stampOf(historyPath) == before)
        keep(historyPath, *before, overview);
    else
        drop(historyPath);
    return overview;
}

void HistoryOverviewCache::keep(const QString& historyPath, const HistoryStamp& stamp,
                                const HistoryOverview& overview) {
    kept_.insert(historyPath, {stamp, overview});
    changed_ = true;
}

void HistoryOverviewCache::drop(const QString& historyPath) {
    changed_ |= kept_.remove(historyPath) > 0;
}

void HistoryOverviewCache::forget(const QString& clientFilePath) {
    loadOnce();
    drop(historyFilePath(clientFilePath));
}

void HistoryOverviewCache::keepOnly(const std::vector<QString>& clientFilePaths) {
    loadOnce();
    QSet<QString> listed;
    listed.reserve(qsizetype(clientFilePaths.size()));
    for (const QString& client : clientFilePaths)
        listed.insert(historyFilePath(client));
    changed_ |=
        kept_.removeIf([&listed](const auto& kept) { return !listed.contains(kept.key()); }) > 0;
}

bool HistoryOverviewCache::save() {
    if (!changed_ || summaryPath_.isEmpty())
        return true;
    changed_ = !OverviewSummaryFile::write(summaryPath_, kept_);
    return !changed_;
}
