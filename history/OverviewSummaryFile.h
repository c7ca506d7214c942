#pragma once

#include "history/ReturnInputsTable.h"

#include <QHash>
#include <QString>

// A history file's size and times as they were when its overview was read. The change time is
// the file's metadata change time, which no program can set back.
struct HistoryStamp {
    qint64 size = -1;
    qint64 modifiedMs = 0; // milliseconds since 1970 (UTC)
    qint64 changedMs = 0;
    bool operator==(const HistoryStamp&) const = default;
};

// An overview with the stamp its history file had when it was read.
struct KeptOverview {
    HistoryStamp stamp;
    HistoryOverview overview;
};
// By the path of the history file.
using KeptOverviews = QHash<QString, KeptOverview>;

// The overviews the board read, kept on disk between runs so that a new run opens only the
// history files that changed since. The file carries a format mark and a SHA-256 of its
// content; whatever is not a whole file of this format (missing, cut short, altered, of another
// version, or holding a value no overview can have) reads as no overviews at all, and each
// overview read from it is still only used for a history file with the same stamp.
namespace OverviewSummaryFile {
// The file in the user's cache folder.
QString userPath();
KeptOverviews read(const QString& path);
// Replaces the file as a whole (never half written); false when it cannot be written.
bool write(const QString& path, const KeptOverviews& overviews);
} // namespace OverviewSummaryFile
