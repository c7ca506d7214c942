#pragma once

#include "history/OverviewSummaryFile.h"

#include <QString>
#include <vector>

// The history overviews read so far, each kept with the size and times its history file had
// when it was read: a file that still has them is not opened again, any other is read (and
// checked) anew. A missing history file is never kept.
//
// With a summary file, what is kept lasts from one run to the next: the first read() starts
// from the overviews the file holds (a damaged or foreign file is ignored), and save() writes
// them back when they changed.
class HistoryOverviewCache {
public:
    // Keeps the overviews for as long as it lives.
    HistoryOverviewCache() = default;
    // Keeps them in `summaryPath` as well (OverviewSummaryFile).
    explicit HistoryOverviewCache(QString summaryPath);

    // The overview of the history of the client file `clientFilePath`.
    HistoryOverview read(const QString& clientFilePath);
    // Forgets the overview of that client, so its history is read on the next read().
    void forget(const QString& clientFilePath);
    // Forgets the overviews of every client but these.
    void keepOnly(const std::vector<QString>& clientFilePaths);
    // Writes the summary file when what is kept changed since it was read or last written.
    // False when it could not be written (it is then written again at the next save()).
    bool save();

private:
    static std::optional<HistoryStamp> stampOf(const QString& historyPath);
    void loadOnce();
    void keep(const QString& historyPath, const HistoryStamp& stamp,
              const HistoryOverview& overview);
    void drop(const QString& historyPath);

    QString summaryPath_;
    bool loaded_ = false;
    bool changed_ = false;
    KeptOverviews kept_;
};
