#pragma once

struct sqlite3;

// Throws the engine's last error on `db` as a CppSQLiteException.
[[noreturn]] void throwSqliteError(sqlite3* db);
