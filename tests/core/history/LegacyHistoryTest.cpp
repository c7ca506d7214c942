#include "history/CppSQLiteException.h"
#include "history/HistoryDatabase.h"
#include "history/LegacyHistoryConversion.h"
#include "history/LegacyHistoryReader.h"
#include "history/ReturnHistory.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

QByteArray fixture(const QString& name) {
    const QByteArray bytes = TestFiles::readAll(TestPaths::shared("fixtures/history-v2/" + name));
    EXPECT_FALSE(bytes.isEmpty()) << "missing fixture " << name.toStdString();
    return bytes;
}

class LegacyHistoryTest : public ::testing::Test {
protected:
    QString copyOf(const QString& name) {
        const QString path = dir.filePath(name);
        TestFiles::writeAll(path, fixture(name));
        return path;
    }
    QStringList folderFiles() const { return QDir(dir.path()).entryList(QDir::Files); }
    QTemporaryDir dir;
};

TEST(LegacyHistoryReader, ReadsTheRowsInNumberOrderWithTheirTexts) {
    const std::optional<std::vector<LegacyHistoryRow>> rows =
        readLegacyHistory(fixture("three-returns.rhi"));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_EQ((*rows)[0].returnIndex, 1);
    EXPECT_EQ((*rows)[0].texts[0], "1-20-2005");
    EXPECT_EQ((*rows)[0].texts[1], "9:5 AM");
    EXPECT_EQ((*rows)[0].texts[5], "2,821");
    EXPECT_EQ((*rows)[0].returnData.size(), 1894);
    EXPECT_EQ((*rows)[2].returnIndex, 3);
    EXPECT_TRUE(readLegacyHistory(fixture("empty-history.rhi"))->empty());
}

TEST(LegacyHistoryReader, RefusesFilesItCannotReadInFull) {
    for (const char* name : {"standard-header.rhi", "truncated.rhi", "garbage.rhi"})
        EXPECT_FALSE(readLegacyHistory(fixture(name))) << name;
    const QByteArray whole = fixture("three-returns.rhi");
    EXPECT_FALSE(readLegacyHistory(whole.left(whole.size() - 1024))) << "lost overflow page";
}

// Damaged pages give no rows or some rows, never a crash or a hang, and what is read back is
// never more than twice the file (damaged cells that share pages must not multiply it).
TEST(LegacyHistoryReader, DamagedPagesGiveRowsBoundedByTheFile) {
    const QByteArray whole = fixture("three-returns.rhi");
    ASSERT_GT(whole.size(), 1024);
    QRandomGenerator random(42);
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = whole;
        for (int hit = 0; hit < 4; ++hit)
            damaged[random.bounded(1024, static_cast<int>(damaged.size()))] =
                static_cast<char>(random.bounded(256));
        const auto rows = readLegacyHistory(damaged);
        if (!rows)
            continue;
        qint64 bytesRead = 0;
        for (const LegacyHistoryRow& row : *rows) {
            bytesRead += row.returnData.size();
            for (const QString& text : row.texts)
                bytesRead += text.size();
        }
        EXPECT_LE(bytesRead, 2 * damaged.size()) << "round " << round;
    }
}

TEST_F(LegacyHistoryTest, FirstOpenConvertsInPlaceAndKeepsTheOriginal) {
    const QString path = copyOf("three-returns.rhi");
    HistoryDatabase database;
    database.open(path);
    EXPECT_EQ(listHistoryReturns(database).size(), 3);
    EXPECT_EQ(database.execQuery("PRAGMA user_version;").fieldValue("user_version"), "1");
    database.close();
    EXPECT_TRUE(TestFiles::readAll(path).startsWith("SQLite format 3"));
    EXPECT_EQ(TestFiles::readAll(legacyHistoryCopyPath(path)), fixture("three-returns.rhi"));
    EXPECT_EQ(folderFiles(), (QStringList{"three-returns.rhi", "three-returns.rhi.v2"}));
    const QByteArray converted = TestFiles::readAll(path);
    database.open(path);
    database.close();
    EXPECT_EQ(TestFiles::readAll(path), converted) << "converted twice";
}

TEST_F(LegacyHistoryTest, ConvertedFileTakesNewEntriesAboveTheOldNumbers) {
    const QString path = copyOf("three-returns.rhi");
    HistoryDatabase database;
    database.open(path);
    ASSERT_TRUE(deleteHistoryReturn(database, 2));
    database.execDML("insert into tblReturnHistory (ReturnDate) values ('x');");
    EXPECT_EQ(database.execQuery("select max(ReturnIndex) as top from tblReturnHistory;")
                  .fieldValue("top"),
              "4");
}

TEST_F(LegacyHistoryTest, UnreadableFileIsNeitherConvertedNorChanged) {
    const QString path = copyOf("truncated.rhi");
    HistoryDatabase database;
    try {
        database.open(path);
        FAIL() << "opened";
    } catch (const CppSQLiteException& exception) {
        EXPECT_EQ(exception.errorCode(), SQLITE_NOTADB);
    }
    EXPECT_EQ(TestFiles::readAll(path), fixture("truncated.rhi"));
    EXPECT_EQ(folderFiles(), (QStringList{"truncated.rhi"}));
}

TEST_F(LegacyHistoryTest, AnotherFileWithTheKeptNameIsNeverOverwritten) {
    const QString path = copyOf("three-returns.rhi");
    TestFiles::writeAll(legacyHistoryCopyPath(path), "something else");
    HistoryDatabase database;
    EXPECT_THROW(database.open(path), CppSQLiteException);
    EXPECT_EQ(TestFiles::readAll(path), fixture("three-returns.rhi"));
    EXPECT_EQ(TestFiles::readAll(legacyHistoryCopyPath(path)), "something else");
    EXPECT_EQ(folderFiles().size(), 2);
}

} // namespace
