#include "history/CppSQLiteException.h"
#include "history/HistoryDatabase.h"
#include "history/ReturnHistory.h"
#include "targets/FuzzEntries.h"
#include "targets/FuzzScratchFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// A converted older file holds the same rows in the current format: a few pages of schema,
// and the archives decoded (a little shorter than the older file keeps them).
constexpr qint64 kMaxGrowth = 4;
constexpr qint64 kSmallestFile = 64 * 1024;

// A fresh scratch history file: what an earlier input left beside it (a journal, the kept
// original of a converted file) is removed first.
QString freshHistoryFile(const QByteArray& input) {
    const QString name = QStringLiteral("history.rhi");
    QDir scratch(QFileInfo(FuzzScratchFile::path(name)).path());
    for (const QString& left : scratch.entryList({name + u'*'}, QDir::Files | QDir::Hidden))
        QFile::remove(scratch.filePath(left));
    return FuzzScratchFile::write(name, input);
}
} // namespace

// A history file as the "Return History" dialog reads it: opened (older files converted,
// current ones checked), every entry listed, and every listed entry extracted.
void FuzzEntries::historyFile(const QByteArray& input) {
    const QString path = freshHistoryFile(input);
    HistoryDatabase database;
    try {
        database.open(path);
    } catch (const CppSQLiteException&) {
        return;
    }
    // An older file is converted on open; what it turns into is bounded by the file, never a
    // file many times its size.
    const qint64 opened = QFileInfo(path).size();
    if (opened > kMaxGrowth * input.size() + kSmallestFile)
        qFatal("a file of %lld bytes was opened as one of %lld", qint64(input.size()), opened);
    const QString pages = FuzzScratchFile::path(QStringLiteral("UnzippedEmf"));
    for (const QStringList& row : listHistoryReturns(database)) {
        QDir(pages).removeRecursively();
        extractHistoryReturn(database, row[0].toInt(), FuzzScratchFile::path("view.zip"), pages);
    }
}
