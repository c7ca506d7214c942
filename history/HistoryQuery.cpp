#include "history/HistoryQuery.h"

#include "history/CppSQLiteException.h"
#include "history/SqliteError.h"

#include <sqlite3.h>

HistoryQuery::HistoryQuery(sqlite3* db, sqlite3_stmt* statement) : db_(db), statement_(statement) {
    step();
}

HistoryQuery::HistoryQuery(HistoryQuery&& other) noexcept
    : db_(other.db_), statement_(other.statement_), eof_(other.eof_) {
    other.statement_ = nullptr;
}

HistoryQuery::~HistoryQuery() {
    sqlite3_finalize(statement_);
}

void HistoryQuery::nextRow() {
    step();
}

void HistoryQuery::step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW)
        return;
    eof_ = true;
    if (result != SQLITE_DONE)
        throwSqliteError(db_);
}

int HistoryQuery::fieldIndex(const QString& name) const {
    const QByteArray wanted = name.toUtf8();
    for (int column = 0; column < sqlite3_column_count(statement_); ++column) {
        if (wanted == sqlite3_column_name(statement_, column))
            return column;
    }
    throw CppSQLiteException(CppSQLiteException::kOwnErrorCode,
                             QStringLiteral("Invalid field name requested"));
}

QString HistoryQuery::fieldValue(const QString& name) const {
    return QString::fromUtf8(fieldBlob(name));
}

QByteArray HistoryQuery::fieldBlob(const QString& name) const {
    const int column = fieldIndex(name);
    const void* bytes = sqlite3_column_blob(statement_, column);
    return QByteArray(static_cast<const char*>(bytes), sqlite3_column_bytes(statement_, column));
}
