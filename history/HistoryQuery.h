#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// A compiled statement, finalized whenever it goes, also when a failure is thrown.
struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const;
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// The rows of one query on the history database, read one at a time: the first row is current
// as soon as the query exists. Engine failures are thrown as CppSQLiteException.
class HistoryQuery {
public:
    // Takes over the compiled statement and steps to its first row.
    HistoryQuery(sqlite3* db, Statement statement);
    HistoryQuery(HistoryQuery&& other) noexcept = default;
    HistoryQuery(const HistoryQuery&) = delete;
    HistoryQuery& operator=(const HistoryQuery&) = delete;
    HistoryQuery& operator=(HistoryQuery&&) = delete;
    ~HistoryQuery() = default;

    bool eof() const { return eof_; }
    void nextRow();
    // The text of the named column in the current row ("Invalid field name requested" when the
    // query has no such column).
    QString fieldValue(const QString& name) const;
    // The bytes of the named column in the current row.
    QByteArray fieldBlob(const QString& name) const;

private:
    int fieldIndex(const QString& name) const;
    void step();

    sqlite3* db_;
    Statement statement_;
    bool eof_ = false;
};
