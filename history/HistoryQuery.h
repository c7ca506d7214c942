#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

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
    QString fieldValue(QAnyStringView name) const;
    // The bytes of the named column in the current row.
    QByteArray fieldBlob(QAnyStringView name) const;
    // The named column's value as fieldValue(name).toInt() reads it, without the text for an
    // integer.
    int fieldInt(QAnyStringView name) const;

private:
    int fieldIndex(QAnyStringView name) const;
    QByteArray blobAt(int column) const;
    void step();

    sqlite3* db_;
    Statement statement_;
    // The column names, read once: a query's rows are read by name many times.
    std::vector<QString> names_;
    bool eof_ = false;
};
