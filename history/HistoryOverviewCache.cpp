#include "history/HistoryOverviewCache.h"

#include "history/HistoryFilePath.h"

#include <QFileInfo>

std::optional<HistoryOverviewCache::Stamp>
HistoryOverviewCache::stampOf(const QString& historyPath) {
    const QFileInfo file(historyPath);
    if (!file.exists())
        return std::nullopt;
    return Stamp{file.size(), file.lastModified(),
                 file.fileTime(QFileDevice::FileMetadataChangeTime)};
}

HistoryOverview HistoryOverviewCache::read(const QString& clientFilePath) {
    const QString historyPath = historyFilePath(clientFilePath);
    const std::optional<Stamp> before = stampOf(historyPath);
    if (!before) {
        kept_.remove(historyPath);
        return readHistoryOverview(clientFilePath);
    }
    const auto found = kept_.constFind(historyPath);
    if (found != kept_.constEnd() && found->stamp == *before)
        return found->overview;
    HistoryOverview overview = readHistoryOverview(clientFilePath);
    // A file written while it was read is read again next time.
    if (stampOf(historyPath) == before)
        kept_.insert(historyPath, {*before, overview});
    else
        kept_.remove(historyPath);
    return overview;
}

void HistoryOverviewCache::forget(const QString& clientFilePath) {
    kept_.remove(historyFilePath(clientFilePath));
}
