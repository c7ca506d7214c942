#pragma once

#include <QString>

// A failure of the history database: the engine's result code and a message of the form
// "SQLITE_CANTOPEN[14]unable to open database file" (symbolic name, code, engine message).
// The database's own failures ("Database not open", "Invalid field name requested") carry
// kOwnErrorCode.
class CppSQLiteException {
public:
    static constexpr int kOwnErrorCode = 1000;

    CppSQLiteException(int errorCode, const QString& engineMessage);

    int errorCode() const { return errorCode_; }
    const QString& errorMessage() const { return message_; }

    // "SQLITE_OK" ... "SQLITE_DONE" for the engine's primary result codes, else "UNKNOWN_ERROR".
    static QString errorCodeName(int errorCode);

private:
    int errorCode_;
    QString message_;
};
