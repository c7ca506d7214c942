#include "history/CppSQLiteException.h"

#include <array>

namespace {
constexpr std::array<const char*, 27> kNames = {
    "SQLITE_OK",       "SQLITE_ERROR",   "SQLITE_INTERNAL", "SQLITE_PERM",     "SQLITE_ABORT",
    "SQLITE_BUSY",     "SQLITE_LOCKED",  "SQLITE_NOMEM",    "SQLITE_READONLY", "SQLITE_INTERRUPT",
    "SQLITE_IOERR",    "SQLITE_CORRUPT", "SQLITE_NOTFOUND", "SQLITE_FULL",     "SQLITE_CANTOPEN",
    "SQLITE_PROTOCOL", "SQLITE_EMPTY",   "SQLITE_SCHEMA",   "SQLITE_TOOBIG",   "SQLITE_CONSTRAINT",
    "SQLITE_MISMATCH", "SQLITE_MISUSE",  "SQLITE_NOLFS",    "SQLITE_AUTH",     "SQLITE_FORMAT",
    "SQLITE_RANGE",    "SQLITE_NOTADB"};
constexpr int kRow = 100;
constexpr int kDone = 101;
} // namespace

CppSQLiteException::CppSQLiteException(int errorCode, const QString& engineMessage)
    : errorCode_(errorCode), message_(QStringLiteral("%1[%2]%3")
                                          .arg(errorCodeName(errorCode))
                                          .arg(errorCode)
                                          .arg(engineMessage)) {}

QString CppSQLiteException::errorCodeName(int errorCode) {
    if (errorCode >= 0 && errorCode < static_cast<int>(kNames.size()))
        return QString::fromLatin1(kNames[static_cast<std::size_t>(errorCode)]);
    if (errorCode == kRow)
        return QStringLiteral("SQLITE_ROW");
    if (errorCode == kDone)
        return QStringLiteral("SQLITE_DONE");
    return QStringLiteral("UNKNOWN_ERROR");
}
