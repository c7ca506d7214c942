#pragma once

#include <QString>

// Turns the older history file at `path` into a current one with the same returns and numbers.
// The new file is written beside it and renamed into place only when complete; the original
// is kept byte for byte as "<path>.v2". A file that cannot be read in full is left as it is
// and the failure thrown as a CppSQLiteException (SQLITE_NOTADB); so is a ".v2" that already
// exists with other content, which is never overwritten.
void convertLegacyHistory(const QString& path);

// Where the original of a converted file is kept.
QString legacyHistoryCopyPath(const QString& path);
