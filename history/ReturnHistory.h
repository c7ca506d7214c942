#pragma once

#include "forms/PageEntry.h"
#include "returns/ReturnSummary.h"
#include "returns/inputs/StoredInputs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class HistoryDatabase;

// Stores a finished return in its client's history: the date and time, the four ST-1 summary
// amounts and a zip archive of the page images, as one entry numbered one above the largest.
// The history file is created with the first entry. The store is one transaction: when it
// fails (no pages, a page file unreadable, the file refused, locked or the disk full) nothing
// is stored, the history stays as it was, and false comes back. The return's inputs, when
// given, are stored beside the entry in the same transaction (ReturnInputsTable).
bool addReturnToHistory(const QString& clientFilePath, const PageList& pages,
                        const ReturnSummary& summary,
                        const std::optional<StoredInputs>& inputs = std::nullopt);

// The same into the history file `historyPath` itself.
bool addReturnToHistoryFile(const QString& historyPath, const PageList& pages,
                            const ReturnSummary& summary,
                            const std::optional<StoredInputs>& inputs = std::nullopt);

// The entries in ReturnIndex order, each as seven texts: the number, date, time and the four
// amounts. A database failure ends the list at the rows read so far. Whatever the file holds,
// the list ends after 20,000 rows and a text is cut after 100 characters.
QList<QStringList> listHistoryReturns(HistoryDatabase& database);

// Writes the archive of entry `returnIndex` to `archivePath` and unpacks its pages into
// `pagesFolder`. The pages in archive order (no caption, kind unknown), or nothing when the
// entry is missing, its archive cannot be decoded, written or safely unpacked.
std::optional<PageList> extractHistoryReturn(HistoryDatabase& database, int returnIndex,
                                             const QString& archivePath,
                                             const QString& pagesFolder);

// Deletes entry `returnIndex` with its inputs, both or neither; false when the database failed.
bool deleteHistoryReturn(HistoryDatabase& database, int returnIndex);

// The folder the pages of a viewed entry are unpacked into: "UnzippedEmf" in the run's private
// temporary folder.
QString unzippedPagesFolder();
