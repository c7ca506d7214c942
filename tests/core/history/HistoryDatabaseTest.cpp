#include "history/HistoryDatabase.h"

#include "history/CppSQLiteException.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QFile>
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
    QTemporaryDir dir;
    HistoryDatabase database;
};

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
