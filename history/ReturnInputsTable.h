#pragma once

#include "returns/inputs/StoredInputs.h"

#include <QString>
#include <optional>

class HistoryDatabase;

// The inputs of stored returns, in the table tblReturnInputs of the history file beside
// tblReturnHistory, which never changes: one row per entry (same ReturnIndex) with the format
// version, the period's type, year and month or quarter (so the board reads them without the
// document) and the inputs document as JSON text. The table is created with the first inputs
// stored; entries stored before it, and older history files, have no row. Every engine failure
// is thrown as CppSQLiteException.
namespace ReturnInputsTable {
// Stores the inputs of entry `returnIndex`, creating the table when the file has none.
void store(HistoryDatabase& database, qint64 returnIndex, const StoredInputs& inputs);
// Deletes the inputs of entry `returnIndex`, if the file has any.
void remove(HistoryDatabase& database, int returnIndex);
} // namespace ReturnInputsTable

// What is known about the inputs of one entry.
struct EntryInputs {
    enum class State { None, Damaged, Stored };
    State state = State::None;
    std::optional<StoredInputs> inputs; // when Stored
    QString problem;                    // when Damaged: what is wrong with the row
};

// The inputs of entry `returnIndex`: none stored, damaged (the row's columns and its document
// disagree, or the document cannot be read), or the inputs. Never throws: a database failure
// reads as damaged.
EntryInputs readEntryInputs(HistoryDatabase& database, int returnIndex);

// What the board and "New Return" take from one client's history.
struct HistoryOverview {
    bool hasHistory = false; // the history file exists and holds at least one entry
    // The entry with the latest stored period (the later entry of two with the same period),
    // and that period; none when no entry has usable inputs.
    int latestIndex = 0;
    std::optional<FilingPeriod> latestPeriod;
    QString lastPaymentDue; // of that entry, else of the last entry stored
    QStringList problems;   // damaged inputs rows and unreadable files, as sentences
    // The file could not be read at all (locked by a store at that moment, refused, damaged):
    // another read may succeed, so this overview is never kept.
    bool unreadable = false;
};

// Reads the overview of the history of the client file `clientFilePath`: the periods from
// their index and one entry's payment due, so the pages and documents are not read. A missing
// history file is no history (and is not created).
HistoryOverview readHistoryOverview(const QString& clientFilePath);

// The inputs of the client's latest stored period, for a new return to start from. Nothing
// when there are none; `problem` then says when the history holds some that are damaged.
std::optional<StoredInputs> readLatestInputs(const QString& clientFilePath, QString& problem);
