#include "history/SqliteError.h"

#include "history/CppSQLiteException.h"

#include <sqlite3.h>

void throwSqliteError(sqlite3* db) {
    throw CppSQLiteException(sqlite3_errcode(db) & 0xff, QString::fromUtf8(sqlite3_errmsg(db)));
}
