#include "history/HistoryDatabase.h"

#include "history/CppSQLiteException.h"
#include "history/LegacyHistoryConversion.h"
#include "history/LegacyHistoryReader.h"
#include "history/SqliteError.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {
const char kSchemaScript[] =
    "CREATE TABLE tblReturnHistory (ReturnIndex integer primary key, ReturnDate char(20), "
    "ReturnTime char(20),ST1TotalReceipts char(20),ST1Deductions char(20),"
    "ST1TaxableReceipts char(20),ST1PaymentDue char(20),ReturnData blob);"
    "CREATE TABLE DataBaseVersion(Version char(20));"
    "INSERT INTO DataBaseVersion values ('1');";
const QByteArray kSqlite3Header("SQLite format 3\0", 16);

enum class FileKind { Empty, Current, Legacy, Foreign };

// What the file at `path` is, judged by its first bytes; a missing file counts as empty.
FileKind fileKind(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return FileKind::Empty;
    if (!file.open(QIODevice::ReadOnly))
        throw CppSQLiteException(SQLITE_CANTOPEN, QStringLiteral("unable to open database file"));
    const QByteArray head = file.read(kLegacyHeaderBytes);
    if (head.isEmpty())
        return FileKind::Empty;
    if (head.startsWith(kSqlite3Header))
        return FileKind::Current;
    return isLegacyHistoryHeader(head) ? FileKind::Legacy : FileKind::Foreign;
}

void bindParameters(sqlite3_stmt* statement, const QVariantList& parameters) {
    for (int index = 0; index < parameters.size(); ++index) {
        const QVariant& value = parameters[index];
        const int position = index + 1;
        if (value.typeId() == QMetaType::QByteArray) {
            const QByteArray bytes = value.toByteArray();
            sqlite3_bind_blob64(statement, position, bytes.constData(),
                                static_cast<sqlite3_uint64>(bytes.size()), SQLITE_TRANSIENT);
        } else if (value.typeId() == QMetaType::QString) {
            sqlite3_bind_text(statement, position, value.toString().toUtf8().constData(), -1,
                              SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(statement, position, value.toLongLong());
        }
    }
}

[[noreturn]] void throwNotADatabase() {
    throw CppSQLiteException(SQLITE_NOTADB, QStringLiteral("file is not a database"));
}
} // namespace

HistoryDatabase::~HistoryDatabase() {
    close();
}

void HistoryDatabase::open(const QString& path) {
    close();
    const FileKind kind = fileKind(path);
    if (kind == FileKind::Foreign)
        throwNotADatabase();
    if (kind == FileKind::Legacy)
        convertLegacyHistory(path);
    openEngine(path);
    if (kind != FileKind::Empty)
        refuseForeignFile();
}

void HistoryDatabase::openEngine(const QString& path) {
    const int result = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result == SQLITE_OK)
        return;
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    close();
    throw CppSQLiteException(SQLITE_CANTOPEN, message);
}

// An SQLite 3 file that another program wrote is not a history file, even with our tables.
void HistoryDatabase::refuseForeignFile() {
    try {
        HistoryQuery applicationId = execQuery(QStringLiteral("PRAGMA application_id;"));
        HistoryQuery userVersion = execQuery(QStringLiteral("PRAGMA user_version;"));
        if (applicationId.fieldValue(QStringLiteral("application_id")).toInt() == kApplicationId &&
            userVersion.fieldValue(QStringLiteral("user_version")).toInt() == kUserVersion)
            return;
    } catch (const CppSQLiteException&) {
        close();
        throw;
    }
    close();
    throwNotADatabase();
}

void HistoryDatabase::close() {
    sqlite3_close(db_);
    db_ = nullptr;
}

sqlite3* HistoryDatabase::connection() {
    if (!db_)
        throw CppSQLiteException(CppSQLiteException::kOwnErrorCode,
                                 QStringLiteral("Database not open"));
    return db_;
}

int HistoryDatabase::execDML(const QString& sql) {
    sqlite3* db = connection();
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throwSqliteError(db);
    return sqlite3_changes(db);
}

int HistoryDatabase::execDML(const QString& sql, const QVariantList& parameters) {
    sqlite3_stmt* statement = prepare(sql);
    bindParameters(statement, parameters);
    HistoryQuery run(db_, statement);
    return sqlite3_changes(db_);
}

HistoryQuery HistoryDatabase::execQuery(const QString& sql) {
    return HistoryQuery(db_, prepare(sql));
}

sqlite3_stmt* HistoryDatabase::prepare(const QString& sql) {
    sqlite3* db = connection();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throwSqliteError(db);
    return statement;
}

bool HistoryDatabase::hasTable(const QString& name) {
    sqlite3_stmt* statement = prepare(QStringLiteral(
        "select count(*) as tables from sqlite_master where type = 'table' and name = ?;"));
    bindParameters(statement, {name});
    HistoryQuery query(db_, statement);
    return query.fieldValue(QStringLiteral("tables")).toInt() > 0;
}

qint64 HistoryDatabase::lastInsertRowId() {
    return sqlite3_last_insert_rowid(connection());
}

void HistoryDatabase::createSchema() {
    execDML(QString::fromLatin1(kSchemaScript));
    execDML(QStringLiteral("PRAGMA application_id = %1; PRAGMA user_version = %2;")
                .arg(kApplicationId)
                .arg(kUserVersion));
}

HistoryDatabase::ReadTransaction::ReadTransaction(HistoryDatabase& database) : database_(database) {
    database_.execDML(QStringLiteral("BEGIN;"));
}

HistoryDatabase::ReadTransaction::~ReadTransaction() {
    if (database_.isOpen())
        sqlite3_exec(database_.db_, "COMMIT;", nullptr, nullptr, nullptr);
}

HistoryDatabase::Transaction::Transaction(HistoryDatabase& database) : database_(database) {
    database_.execDML(QStringLiteral("BEGIN IMMEDIATE;"));
}

HistoryDatabase::Transaction::~Transaction() {
    if (!committed_ && database_.isOpen())
        sqlite3_exec(database_.db_, "ROLLBACK;", nullptr, nullptr, nullptr);
}

void HistoryDatabase::Transaction::commit() {
    database_.execDML(QStringLiteral("COMMIT;"));
    committed_ = true;
}
