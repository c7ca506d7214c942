#include "history/HistoryQuery.h"

#include "history/CppSQLiteException.h"
#include "history/SqliteError.h"

#include <limits>
#include <sqlite3.h>

void StatementFinalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

HistoryQuery::HistoryQuery(sqlite3* db, Statement statement)
    : db_(db), statement_(std::move(statement)) {
    step();
    // After the first step, which may compile the statement again: its names are final now.
    const int count = sqlite3_column_count(statement_.get());
    names_.reserve(size_t(count));
    for (int column = 0; column < count; ++column) {
        names_.push_back(QString::fromUtf8(sqlite3_column_name(statement_.get(), column)));
    }
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

int HistoryQuery::fieldIndex(QAnyStringView name) const {
    for (size_t column = 0; column < names_.size(); ++column) {
        if (QAnyStringView::equal(name, names_[column]))
            return int(column);
    }
    throw CppSQLiteException(CppSQLiteException::kOwnErrorCode,
                             QStringLiteral("Invalid field name requested"));
}

QString HistoryQuery::fieldValue(QAnyStringView name) const {
    return QString::fromUtf8(fieldBlob(name));
}

QByteArray HistoryQuery::fieldBlob(QAnyStringView name) const {
    return blobAt(fieldIndex(name));
}

QByteArray HistoryQuery::blobAt(int column) const {
    const void* bytes = sqlite3_column_blob(statement_.get(), column);
    return QByteArray(static_cast<const char*>(bytes),
                      sqlite3_column_bytes(statement_.get(), column));
}

int HistoryQuery::fieldInt(QAnyStringView name) const {
    const int column = fieldIndex(name);
    if (sqlite3_column_type(statement_.get(), column) != SQLITE_INTEGER)
        return QString::fromUtf8(blobAt(column)).toInt();
    const sqlite3_int64 value = sqlite3_column_int64(statement_.get(), column);
    // Beyond an int, the text does not convert either.
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max()
               ? int(value)
               : 0;
}
