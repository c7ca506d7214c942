#pragma once

#include "history/HistoryQuery.h"

#include <QString>
#include <QVariant>

struct sqlite3;

// One client's history file, open for one sequence of operations and closed when the object
// goes. History files are SQLite 3 databases marked as ours (application id and user version);
// an older history file is converted on its first open. Every failure is thrown as a
// CppSQLiteException.
//
// A history file comes from outside (a client folder can be shared, restored or sent along),
// so the file is not trusted: its return table must be a plain table with the program's own
// columns, its triggers and views are never run, and no single value read from it or written
// to it may be longer than kMaxValueBytes.
class HistoryDatabase {
public:
    static constexpr int kApplicationId = 0x56544248;
    static constexpr int kUserVersion = 1;
    // The longest text or page archive (ReturnData) of one entry: a 130-page return's archive
    // takes well under 1 MB.
    static constexpr int kMaxValueBytes = 64 << 20;
    // The most rows one list reads from a table of the file, whatever it holds.
    static constexpr int kMaxReadRows = 20000;

    HistoryDatabase() = default;
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;
    ~HistoryDatabase();

    // Opens the file, creating an empty one when it is missing. A file that is neither an empty
    // file, one of ours nor an older history file, or whose tblReturnHistory is not the return
    // table, is refused with SQLITE_NOTADB.
    void open(const QString& path);
    // Closes the file; every statement is finalized by then. A close the engine refuses is
    // thrown.
    void close();
    bool isOpen() const { return db_ != nullptr; }

    // Runs the SQL text (one or more statements) to completion; the number of rows changed.
    int execDML(const QString& sql);
    // Runs one statement whose "?" parameters take `parameters` in order: integers, texts and
    // byte arrays (stored as BLOBs).
    int execDML(const QString& sql, const QVariantList& parameters);
    HistoryQuery execQuery(const QString& sql);

    // Whether the file holds the return table yet (an empty file gets it with its first entry).
    bool hasReturnTable() { return hasTable(QStringLiteral("tblReturnHistory")); }
    bool hasTable(const QString& name);
    // The ReturnIndex the last insert was given.
    qint64 lastInsertRowId();
    // Creates the tables with the version row and marks the file as a history file.
    void createSchema();

    // Statements run while it lives read one state of the file, which is locked once.
    class ReadTransaction {
    public:
        explicit ReadTransaction(HistoryDatabase& database);
        ReadTransaction(const ReadTransaction&) = delete;
        ReadTransaction& operator=(const ReadTransaction&) = delete;
        ~ReadTransaction();

    private:
        HistoryDatabase& database_;
    };

    // Everything run between its creation and commit() is kept or, when it is left without
    // commit() (an exception), undone.
    class Transaction {
    public:
        explicit Transaction(HistoryDatabase& database);
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        ~Transaction();
        void commit();

    private:
        HistoryDatabase& database_;
        bool committed_ = false;
    };

private:
    sqlite3* connection();
    Statement prepare(const QString& sql);
    void openEngine(const QString& path);
    void refuseForeignFile();
    bool carriesOurMarks();
    bool returnTableIsOurs();
    bool hasRowNumbers();
    void closeQuietly() noexcept;

    sqlite3* db_ = nullptr;
};
