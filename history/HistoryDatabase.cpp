#include "history/HistoryDatabase.h"

#include "history/CppSQLiteException.h"
#include "history/LegacyHistoryConversion.h"
#include "history/LegacyHistoryReader.h"
#include "history/SqliteError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <sqlite3.h>

namespace {
const char kSchemaScript[] =
    "CREATE TABLE tblReturnHistory (ReturnIndex integer primary key, ReturnDate char(20), "
    "ReturnTime char(20),ST1TotalReceipts char(20),ST1Deductions char(20),"
    "ST1TaxableReceipts char(20),ST1PaymentDue char(20),ReturnData blob);"
    "CREATE TABLE DataBaseVersion(Version char(20));"
    "INSERT INTO DataBaseVersion values ('1');";
const QByteArray kSqlite3Header("SQLite format 3\0", 16);
const QStringList kReturnColumns = {
    QStringLiteral("ReturnIndex"),   QStringLiteral("ReturnDate"),
    QStringLiteral("ReturnTime"),    QStringLiteral("ST1TotalReceipts"),
    QStringLiteral("ST1Deductions"), QStringLiteral("ST1TaxableReceipts"),
    QStringLiteral("ST1PaymentDue"), QStringLiteral("ReturnData")};

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

void bindParameter(sqlite3* db, sqlite3_stmt* statement, int position, const QVariant& value) {
    int result = SQLITE_OK;
    if (value.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = value.toByteArray();
        result = sqlite3_bind_blob64(statement, position, bytes.constData(),
                                     static_cast<sqlite3_uint64>(bytes.size()), SQLITE_TRANSIENT);
    } else if (value.typeId() == QMetaType::QString) {
        const QByteArray text = value.toString().toUtf8();
        result = sqlite3_bind_text64(statement, position, text.constData(),
                                     static_cast<sqlite3_uint64>(text.size()), SQLITE_TRANSIENT,
                                     SQLITE_UTF8);
    } else if (!value.isNull()) {
        result = sqlite3_bind_int64(statement, position, value.toLongLong());
    }
    // A value the engine refuses (one longer than the limit) is never stored as NULL.
    if (result != SQLITE_OK)
        throwSqliteError(db);
}

// The file is read as untrusted input: no trigger or view of the file ever runs, functions
// in its schema must be harmless, its own structure may not be written by a statement, and
// every value is bounded.
void distrustTheFile(sqlite3* db) {
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, HistoryDatabase::kMaxValueBytes);
    sqlite3_limit(db, SQLITE_LIMIT_SQL_LENGTH, HistoryDatabase::kMaxValueBytes);
    sqlite3_exec(db, "PRAGMA cell_size_check = ON;", nullptr, nullptr, nullptr);
}

// Whether the column of a table_xinfo row is the primary key ReturnIndex declared integer.
bool isIntegerReturnIndexKey(const HistoryQuery& column, const QString& name) {
    return column.fieldValue(QStringLiteral("pk")) == QLatin1String("1") &&
           name.compare(QLatin1String("ReturnIndex"), Qt::CaseInsensitive) == 0 &&
           column.fieldValue(QStringLiteral("type"))
                   .compare(QLatin1String("integer"), Qt::CaseInsensitive) == 0;
}

[[noreturn]] void throwNotADatabase() {
    throw CppSQLiteException(SQLITE_NOTADB, QStringLiteral("file is not a database"));
}
} // namespace

HistoryDatabase::~HistoryDatabase() {
    closeQuietly();
}

void HistoryDatabase::open(const QString& path) {
    closeQuietly();
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
    // The engine takes paths in UTF-8 on every system.
    const int result = sqlite3_open_v2(path.toUtf8().constData(), &db_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result == SQLITE_OK) {
        distrustTheFile(db_);
        return;
    }
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    closeQuietly();
    throw CppSQLiteException(SQLITE_CANTOPEN, message);
}

// An SQLite 3 file that another program wrote is not a history file, even with our tables;
// nor is one of ours whose return table is not the one the program creates.
void HistoryDatabase::refuseForeignFile() {
    bool ours = false;
    try {
        // One read transaction: the file is locked and its header read once for every check.
        ReadTransaction checking(*this);
        ours = carriesOurMarks() && returnTableIsOurs();
    } catch (const CppSQLiteException&) {
        closeQuietly();
        throw;
    }
    if (ours)
        return;
    closeQuietly();
    throwNotADatabase();
}

bool HistoryDatabase::carriesOurMarks() {
    HistoryQuery applicationId = execQuery(QStringLiteral("PRAGMA application_id;"));
    HistoryQuery userVersion = execQuery(QStringLiteral("PRAGMA user_version;"));
    return applicationId.fieldInt(QStringLiteral("application_id")) == kApplicationId &&
           userVersion.fieldInt(QStringLiteral("user_version")) == kUserVersion;
}

// tblReturnHistory, where the file has it, is a plain table (never a view, a virtual table or
// a table without row numbers) with exactly the columns the program creates it with, none of
// them computed.
// Other tables may stand beside it.
bool HistoryDatabase::returnTableIsOurs() {
    HistoryQuery objects = execQuery(
        QStringLiteral("select type, sql from sqlite_master where name = 'tblReturnHistory' "
                       "collate nocase;"));
    if (objects.eof())
        return true;
    if (objects.fieldValue(QStringLiteral("type")) != QLatin1String("table") ||
        !objects.fieldValue(QStringLiteral("sql"))
             .startsWith(QLatin1String("CREATE TABLE"), Qt::CaseInsensitive))
        return false;
    objects.nextRow();
    if (!objects.eof())
        return false;
    QStringList missing = kReturnColumns;
    int integerKeys = 0;
    for (HistoryQuery column = execQuery(QStringLiteral("PRAGMA table_xinfo(tblReturnHistory);"));
         !column.eof(); column.nextRow()) {
        const QString name = column.fieldValue(QStringLiteral("name"));
        const qsizetype before = missing.size();
        missing.removeIf([&name](const QString& wanted) {
            return wanted.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (missing.size() == before ||
            column.fieldValue(QStringLiteral("hidden")) != QLatin1String("0"))
            return false;
        integerKeys += isIntegerReturnIndexKey(column, name) ? 1 : 0;
    }
    return missing.isEmpty() && integerKeys == 1 && hasRowNumbers();
}

// The entry numbers are the table's row numbers: a table without them fails to compile this.
bool HistoryDatabase::hasRowNumbers() {
    try {
        prepare(QStringLiteral("select rowid from tblReturnHistory;"));
        return true;
    } catch (const CppSQLiteException&) {
        return false;
    }
}

void HistoryDatabase::close() {
    if (!db_)
        return;
    const int result = sqlite3_close_v2(db_);
    if (result != SQLITE_OK)
        throw CppSQLiteException(result, QString::fromUtf8(sqlite3_errstr(result)));
    db_ = nullptr;
}

void HistoryDatabase::closeQuietly() noexcept {
    try {
        close();
    } catch (const CppSQLiteException&) {
        db_ = nullptr;
    }
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
    Statement statement = prepare(sql);
    for (int index = 0; index < parameters.size(); ++index)
        bindParameter(db_, statement.get(), index + 1, parameters[index]);
    HistoryQuery run(db_, std::move(statement));
    return sqlite3_changes(db_);
}

HistoryQuery HistoryDatabase::execQuery(const QString& sql) {
    return HistoryQuery(db_, prepare(sql));
}

Statement HistoryDatabase::prepare(const QString& sql) {
    sqlite3* db = connection();
    sqlite3_stmt* statement = nullptr;
    const int result = sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr);
    Statement owned(statement);
    if (result != SQLITE_OK)
        throwSqliteError(db);
    return owned;
}

bool HistoryDatabase::hasTable(const QString& name) {
    Statement statement = prepare(QStringLiteral(
        "select count(*) as tables from sqlite_master where type = 'table' and name = ?;"));
    bindParameter(db_, statement.get(), 1, name);
    HistoryQuery query(db_, std::move(statement));
    return query.fieldInt(QStringLiteral("tables")) > 0;
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
