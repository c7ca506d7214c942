#pragma once

#include "history/ReturnInputsTable.h"

#include <QDateTime>
#include <QHash>
#include <QString>

// The history overviews read so far, each kept with the size and times its history file had
// when it was read: a file that still has them is not opened again, any other is read (and
// checked) anew. A missing history file is never kept.
class HistoryOverviewCache {
public:
    // The overview of the history of the client file `clientFilePath`.
    HistoryOverview read(const QString& clientFilePath);
    // Forgets the overview of that client, so its history is read on the next read().
    void forget(const QString& clientFilePath);

private:
    struct Stamp {
        qint64 size = -1;
        QDateTime modified;
        QDateTime changed; // the file's metadata change time, which no program can set back
        bool operator==(const Stamp&) const = default;
    };
    struct Kept {
        Stamp stamp;
        HistoryOverview overview;
    };
    static std::optional<Stamp> stampOf(const QString& historyPath);

    QHash<QString, Kept> kept_;
};
