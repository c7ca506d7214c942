#include "history/HistoryQuery.h"

#include "history/CppSQLiteException.h"
#include "history/SqliteError.h"

#include <sqlite3.h>

void StatementFinalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

HistoryQuery::HistoryQuery(sqlite3* db, Statement statement)
    : db_(db), statement_(std::move(statement)) {
    step();
}

void HistoryQuery::nextRow() {
    step();
}

void HistoryQuery::step() {
    const int result = sqlite3_step(statement_.get());
    if (result == SQLITE_ROW)
        return;
    eof_ = true;
    if (result != SQLITE_DONE)
        throwSqliteError(db_);
}

int HistoryQuery::fieldIndex(const QString& name) const {
    const QByteArray wanted = name.toUtf8();
    for (int column = 0; column < sqlite3_column_count(statement_.get()); ++column) {
        if (wanted == sqlite3_column_name(statement_.get(), column))
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
    const void* bytes = sqlite3_column_blob(statement_.get(), column);
    return QByteArray(static_cast<const char*>(bytes),
                      sqlite3_column_bytes(statement_.get(), column));
}
