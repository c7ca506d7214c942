#include "history/HistoryDatabase.h"

#include "history/CppSQLiteException.h"
#include "history/ReturnHistory.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

class HistoryDatabaseTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    // The result code `open` throws, or -1 when it opens.
    int openFailure(const QString& file) {
        try {
            database.open(file);
            return -1;
        } catch (const CppSQLiteException& exception) {
            return exception.errorCode();
        }
    }
    // A file marked as a history file, made by running `script` with the engine directly.
    QString markedFile(const QString& name, const QString& script) {
        const QString file = path(name);
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
        const QString marked = script + QStringLiteral("PRAGMA application_id = %1; PRAGMA "
                                                       "user_version = %2;")
                                            .arg(HistoryDatabase::kApplicationId)
                                            .arg(HistoryDatabase::kUserVersion);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db, marked.toUtf8().constData(), nullptr, nullptr, &error),
                  SQLITE_OK)
            << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
        return file;
    }
    QTemporaryDir dir;
    HistoryDatabase database;
};

const QString kSchema = QStringLiteral(
    "CREATE TABLE tblReturnHistory (ReturnIndex integer primary key, ReturnDate char(20), "
    "ReturnTime char(20),ST1TotalReceipts char(20),ST1Deductions char(20),"
    "ST1TaxableReceipts char(20),ST1PaymentDue char(20),ReturnData blob);"
    "CREATE TABLE DataBaseVersion(Version char(20));");
const QString kColumns = QStringLiteral(
    "ReturnIndex integer primary key, ReturnDate char(20), ReturnTime char(20), "
    "ST1TotalReceipts char(20), ST1Deductions char(20), ST1TaxableReceipts char(20), "
    "ST1PaymentDue char(20)");
const QString kViewColumns = QStringLiteral(
    "'3-5-2005' as ReturnDate, '2:7 PM' as ReturnTime, '1' as ST1TotalReceipts, '0' as "
    "ST1Deductions, '1' as ST1TaxableReceipts, '0' as ST1PaymentDue");

// Whether this process holds the file open.
bool isOpenHere(const QString& file) {
    const QString wanted = QFileInfo(file).canonicalFilePath();
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& descriptor : descriptors.entryInfoList(QDir::System | QDir::Files)) {
        if (descriptor.symLinkTarget() == wanted)
            return true;
    }
    return false;
}

TEST(CppSQLiteException, MessageIsNameCodeAndEngineText) {
    const struct {
        int code;
        const char* message;
    } cases[] = {
        {SQLITE_CANTOPEN, "SQLITE_CANTOPEN[14]unable to open"},
        {SQLITE_NOTADB, "SQLITE_NOTADB[26]unable to open"},
        {SQLITE_DONE, "SQLITE_DONE[101]unable to open"},
        {CppSQLiteException::kOwnErrorCode, "UNKNOWN_ERROR[1000]unable to open"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CppSQLiteException(c.code, "unable to open").errorMessage(), QString(c.message));
}

TEST_F(HistoryDatabaseTest, StatementsOnAClosedDatabaseThrowDatabaseNotOpen) {
    try {
        database.execDML("select 1;");
        FAIL() << "no exception";
    } catch (const CppSQLiteException& exception) {
        EXPECT_TRUE(exception.errorMessage().endsWith("Database not open"));
    }
}

TEST_F(HistoryDatabaseTest, UnknownFieldNamesThrow) {
    database.open(path("a.rhi"));
    HistoryQuery query = database.execQuery("select 1 as one;");
    EXPECT_EQ(query.fieldValue("one"), "1");
    try {
        query.fieldValue("two");
        FAIL() << "no exception";
    } catch (const CppSQLiteException& exception) {
        EXPECT_TRUE(exception.errorMessage().endsWith("Invalid field name requested"));
    }
}

TEST_F(HistoryDatabaseTest, NewFileGetsTheTablesTheVersionRowAndOurMarks) {
    database.open(path("new.rhi"));
    EXPECT_FALSE(database.hasReturnTable());
    database.createSchema();
    EXPECT_TRUE(database.hasReturnTable());
    EXPECT_EQ(database.execQuery("select Version from DataBaseVersion;").fieldValue("Version"),
              "1");
    database.close();
    EXPECT_EQ(openFailure(path("new.rhi")), -1);
    EXPECT_EQ(database.execQuery("PRAGMA application_id;").fieldValue("application_id").toInt(),
              HistoryDatabase::kApplicationId);
}

TEST_F(HistoryDatabaseTest, FilesThatAreNotHistoryFilesAreRefusedUnchanged) {
    sqlite3* other = nullptr;
    sqlite3_open(QFile::encodeName(path("other.db")).constData(), &other);
    sqlite3_exec(other, "create table tblReturnHistory (x);", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    TestFiles::writeAll(path("text.rhi"), "this is not a history file at all, only text\n");
    const QString standard = path("standard.rhi");
    QFile::copy(TestPaths::shared("fixtures/history-v2/standard-header.rhi"), standard);
    for (const QString& file : {path("other.db"), path("text.rhi"), standard}) {
        const QByteArray before = TestFiles::readAll(file);
        EXPECT_EQ(openFailure(file), SQLITE_NOTADB) << file.toStdString();
        EXPECT_FALSE(database.isOpen());
        EXPECT_EQ(TestFiles::readAll(file), before);
    }
}

TEST_F(HistoryDatabaseTest, EmptyFileOpensAndAMissingFolderCannot) {
    TestFiles::writeAll(path("empty.rhi"), {});
    EXPECT_EQ(openFailure(path("empty.rhi")), -1);
    EXPECT_EQ(openFailure(path("missing/x.rhi")), SQLITE_CANTOPEN);
}

} // namespace

namespace {

// A file of ours whose tblReturnHistory is something else than the table the program creates is
// refused on open, whatever it would do when read (a view that never ends or hands out a
// gigabyte, computed columns), and left as it is.
TEST_F(HistoryDatabaseTest, AReturnTableOtherThanTheProgramsOwnIsRefused) {
    const struct {
        const char* name;
        QString script;
    } cases[] = {
        {"endless view",
         "CREATE VIEW tblReturnHistory AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + "
         "1 FROM n) SELECT i as ReturnIndex, " +
             kViewColumns +
             ", zeroblob(100000) as "
             "ReturnData FROM n;"},
        {"gigabyte view", "CREATE VIEW tblReturnHistory AS SELECT 1 as ReturnIndex, " +
                              kViewColumns + ", zeroblob(1000000000) as ReturnData;"},
        {"computed gigabyte column",
         "CREATE TABLE tblReturnHistory (" + kColumns +
             ", ReturnData blob AS (zeroblob(1000000000)) VIRTUAL);"
             "INSERT INTO tblReturnHistory (ReturnDate) values ('3-5-2005');"},
        {"missing column", "CREATE TABLE tblReturnHistory (" + kColumns + ");"},
        {"extra column", "CREATE TABLE tblReturnHistory (" + kColumns + ", ReturnData blob, x);"},
        {"no row numbers",
         "CREATE TABLE tblReturnHistory (" + kColumns + ", ReturnData blob) WITHOUT ROWID;"},
        {"numbers not the row numbers",
         "CREATE TABLE tblReturnHistory (" +
             QString(kColumns).replace("integer primary", "int "
                                                          "primary") +
             ", ReturnData blob);"},
        {"virtual table",
         "CREATE VIRTUAL TABLE tblReturnHistory USING fts5(ReturnIndex, ReturnDate, ReturnTime, "
         "ST1TotalReceipts, ST1Deductions, ST1TaxableReceipts, ST1PaymentDue, ReturnData);"},
    };
    for (const auto& [name, script] : cases) {
        const QString file = markedFile(QString::fromLatin1(name) + ".rhi", script);
        const QByteArray before = TestFiles::readAll(file);
        EXPECT_EQ(openFailure(file), SQLITE_NOTADB) << name;
        EXPECT_FALSE(database.isOpen()) << name;
        EXPECT_EQ(TestFiles::readAll(file), before) << name;
    }
}

TEST_F(HistoryDatabaseTest, OtherTablesMayStandBesideTheReturnTable) {
    const QString file = markedFile(
        "inputs.rhi", kSchema + "CREATE TABLE tblReturnInputs (ReturnIndex integer primary key, "
                                "Inputs blob); CREATE TABLE TBLRETURNHISTORY_old (x);");
    EXPECT_EQ(openFailure(file), -1);
    EXPECT_TRUE(database.hasReturnTable());
}

// Triggers of a file are never run: a file that would empty its history on every store keeps
// what is stored.
TEST_F(HistoryDatabaseTest, TheFilesTriggersNeverRun) {
    const QString file = markedFile(
        "trigger.rhi", kSchema + "CREATE TRIGGER wipe AFTER INSERT ON tblReturnHistory BEGIN "
                                 "DELETE FROM tblReturnHistory; END;");
    database.open(file);
    database.execDML("insert into tblReturnHistory (ReturnDate, ReturnData) values (?, ?);",
                     {QStringLiteral("3-5-2005"), QByteArray("archive")});
    EXPECT_EQ(listHistoryReturns(database).size(), 1);
}

// No value longer than the limit is read from a file or written to one; a value that is too
// long is never stored as NULL instead.
TEST_F(HistoryDatabaseTest, AValueBeyondTheLimitIsNeitherReadNorStored) {
    const QString file = markedFile(
        "big.rhi", kSchema + QStringLiteral("INSERT INTO tblReturnHistory (ReturnDate, "
                                            "ReturnData) values ('3-5-2005', zeroblob(%1));")
                                 .arg(HistoryDatabase::kMaxValueBytes + 1));
    database.open(file);
    EXPECT_EQ(listHistoryReturns(database).size(), 1);
    EXPECT_FALSE(extractHistoryReturn(database, 1, path("view.zip"), path("pages")));
    EXPECT_FALSE(QFileInfo::exists(path("view.zip")));
    try {
        database.execDML(
            "insert into tblReturnHistory (ReturnDate, ReturnData) values (?, ?);",
            {QStringLiteral("3-5-2005"), QByteArray(HistoryDatabase::kMaxValueBytes + 1, 'x')});
        FAIL() << "the value was stored";
    } catch (const CppSQLiteException& exception) {
        EXPECT_EQ(exception.errorCode(), SQLITE_TOOBIG);
    }
    EXPECT_EQ(listHistoryReturns(database).size(), 1);
}

// A statement that fails is finalized all the same, so closing the database closes the file
// (on Windows a file left open stays locked, and removing it fails).
TEST_F(HistoryDatabaseTest, AFailedStatementLeavesNothingOpenOnceClosed) {
    const QString file = path("failing.rhi");
    database.open(file);
    database.createSchema();
    database.execDML("insert into tblReturnHistory (ReturnIndex) values (?);", {1});
    EXPECT_THROW(database.execDML("insert into tblReturnHistory (ReturnIndex) values (?);", {1}),
                 CppSQLiteException);
    EXPECT_THROW(database.execQuery("select abs(-9223372036854775807 - 1) as overflow;"),
                 CppSQLiteException);
    ASSERT_TRUE(isOpenHere(file));
    EXPECT_NO_THROW(database.close());
    EXPECT_FALSE(isOpenHere(file));
    EXPECT_TRUE(QFile::remove(file));
}

} // namespace
