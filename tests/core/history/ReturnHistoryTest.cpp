#include "history/ReturnHistory.h"

#include "history/HistoryDatabase.h"
#include "history/HistoryFilePath.h"
#include "history/LegacyHistoryConversion.h"
#include "platform/Clock.h"
#include "platform/PrivateTempFolder.h"
#include "support/HistoryTestFiles.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

class ReturnHistoryTest : public ::testing::Test {
protected:
    ReturnHistoryTest() {
        QDir().mkpath(temp.path() + "/Clients");
        Clock::setFixed(QDateTime(QDate(2005, 3, 5), QTime(14, 7)));
    }
    ~ReturnHistoryTest() override { Clock::release(); }

    QString clientPath() const { return temp.path() + "/Clients/Vtb00001.kvr"; }
    QString historyPath() const { return historyFilePath(clientPath()); }
    bool store(int pageCount, Dollars total = 48250) {
        ReturnSummary summary;
        summary.summaryTotalReceipts = total;
        summary.summaryDeductions = 3120;
        summary.summaryTaxableReceipts = total - 3120;
        summary.summaryPaymentDue = 2821;
        return addReturnToHistory(clientPath(), HistoryTestFiles::makePages(pageCount), summary);
    }
    QStringList numbers() {
        HistoryDatabase database;
        database.open(historyPath());
        QStringList result;
        for (const QStringList& row : listHistoryReturns(database))
            result << row[0];
        return result;
    }
    ScopedTempFolder temp;
};

TEST_F(ReturnHistoryTest, FirstStoreCreatesTheFileBesideTheClientWithOneEntry) {
    EXPECT_FALSE(QFileInfo::exists(historyPath()));
    ASSERT_TRUE(store(2));
    EXPECT_TRUE(QFileInfo::exists(temp.path() + "/Clients/Vtb00001.rhi"));
    HistoryDatabase database;
    database.open(historyPath());
    EXPECT_EQ(
        listHistoryReturns(database),
        (QList<QStringList>{{"1", "3-5-2005", "2:7 PM", "48,250", "3,120", "45,130", "2,821"}}));
}

TEST_F(ReturnHistoryTest, SixPagesComeBackInOrderUnderUnzippedEmf) {
    const PageList pages = HistoryTestFiles::makePages(6);
    ASSERT_TRUE(addReturnToHistory(clientPath(), pages, {}));
    EXPECT_TRUE(QDir(temp.path()).entryList({"ZIP*"}).isEmpty());
    HistoryDatabase database;
    database.open(historyPath());
    const std::optional<PageList> extracted =
        extractHistoryReturn(database, 1, temp.path() + "/return.zip", unzippedPagesFolder());
    ASSERT_TRUE(extracted);
    ASSERT_EQ(extracted->size(), 6u);
    for (std::size_t at = 0; at < 6; ++at) {
        const PageEntry& page = (*extracted)[at];
        EXPECT_EQ(page.path(),
                  temp.path() + "/UnzippedEmf/" + QFileInfo(pages[at].path()).fileName());
        EXPECT_EQ(TestFiles::readAll(page.path()), TestFiles::readAll(pages[at].path()));
        EXPECT_EQ(page.imageCount, 1);
        EXPECT_FALSE(page.caption);
        EXPECT_EQ(page.kind, kPageUnknown);
        EXPECT_EQ(QFileInfo(page.path()).lastModified().toSecsSinceEpoch() / 2,
                  QFileInfo(pages[at].path()).lastModified().toSecsSinceEpoch() / 2);
    }
}

TEST_F(ReturnHistoryTest, StoredArchiveListsThePagesInOrderForUnzip) {
    const PageList pages = HistoryTestFiles::makePages(3);
    ASSERT_TRUE(addReturnToHistory(clientPath(), pages, {}));
    HistoryDatabase database;
    database.open(historyPath());
    ASSERT_TRUE(extractHistoryReturn(database, 1, temp.path() + "/r.zip", temp.path() + "/out"));
    QProcess unzip;
    unzip.start("unzip", {"-Z1", temp.path() + "/r.zip"});
    ASSERT_TRUE(unzip.waitForFinished());
    QStringList expected;
    for (const PageEntry& page : pages)
        expected << QFileInfo(page.path()).fileName();
    EXPECT_EQ(QString::fromUtf8(unzip.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
              expected);
}

// Generated pages keep their images in memory: they are stored as EMF001, EMF002, ... in list
// order with the time of the store, and come back as files with the same bytes.
TEST_F(ReturnHistoryTest, PagesKeptInMemoryAreStoredAsNumberedEntries) {
    PageList pages(3);
    for (int at = 0; at < 3; ++at)
        pages[size_t(at)].images[0] = HistoryTestFiles::pageBytes(at + 1);
    ASSERT_TRUE(addReturnToHistory(clientPath(), pages, {}));
    HistoryDatabase database;
    database.open(historyPath());
    const std::optional<PageList> extracted =
        extractHistoryReturn(database, 1, temp.path() + "/r.zip", unzippedPagesFolder());
    ASSERT_TRUE(extracted);
    ASSERT_EQ(extracted->size(), 3u);
    const QStringList names{"EMF001", "EMF002", "EMF003"};
    for (std::size_t at = 0; at < 3; ++at) {
        const PageEntry& page = (*extracted)[at];
        EXPECT_EQ(page.path(), temp.path() + "/UnzippedEmf/" + names[qsizetype(at)]);
        EXPECT_EQ(TestFiles::readAll(page.path()), pages[at].images[0]);
        EXPECT_EQ(QFileInfo(page.path()).lastModified(), Clock::now());
    }
}

TEST_F(ReturnHistoryTest, NumbersContinueAboveTheLargestSoADeletedLargestComesBack) {
    for (int entry = 0; entry < 3; ++entry)
        ASSERT_TRUE(store(1));
    HistoryDatabase database;
    database.open(historyPath());
    ASSERT_TRUE(deleteHistoryReturn(database, 3));
    ASSERT_TRUE(deleteHistoryReturn(database, 1));
    database.close();
    EXPECT_EQ(numbers(), (QStringList{"2"}));
    ASSERT_TRUE(store(1));
    EXPECT_EQ(numbers(), (QStringList{"2", "3"}));
}

TEST_F(ReturnHistoryTest, NothingIsStoredWithoutPagesOrWithAnUnreadablePage) {
    EXPECT_FALSE(addReturnToHistory(clientPath(), {}, {}));
    PageList pages = HistoryTestFiles::makePages(2);
    QFile::remove(pages[1].path());
    EXPECT_FALSE(addReturnToHistory(clientPath(), pages, {}));
    EXPECT_FALSE(QFileInfo::exists(historyPath()));
    EXPECT_TRUE(QDir(temp.path()).entryList({"ZIP*"}).isEmpty());
}

TEST_F(ReturnHistoryTest, PageOutsideTheTemporaryFolderFailsTheStore) {
    QTemporaryFile outside(QFileInfo(temp.path()).path() + "/EMFXXXXXX");
    ASSERT_TRUE(outside.open());
    outside.write("page");
    outside.close();
    PageEntry page;
    page.imagePaths[0] = outside.fileName();
    EXPECT_FALSE(addReturnToHistory(clientPath(), {page}, {}));
    EXPECT_FALSE(QFileInfo::exists(historyPath()));
}

TEST_F(ReturnHistoryTest, EmptyHistoryListsNothingAndExtractsNothing) {
    HistoryDatabase database;
    database.open(historyPath());
    database.createSchema();
    EXPECT_TRUE(listHistoryReturns(database).isEmpty());
    EXPECT_FALSE(extractHistoryReturn(database, 1, temp.path() + "/r.zip", temp.path() + "/o"));
}

TEST_F(ReturnHistoryTest, ListingAFileWithoutTheTableGivesNoRows) {
    HistoryDatabase database;
    database.open(historyPath());
    EXPECT_TRUE(listHistoryReturns(database).isEmpty());
    EXPECT_FALSE(deleteHistoryReturn(database, 1));
}

// However many rows a file holds and however long its texts, the list stays bounded.
TEST_F(ReturnHistoryTest, TheListIsBoundedWhateverTheFileHolds) {
    ASSERT_TRUE(store(1));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(historyPath()).constData(), &db), SQLITE_OK);
    const char* script =
        "UPDATE tblReturnHistory SET ReturnDate = printf('%.5000c', '9');"
        "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < 20100) "
        "INSERT INTO tblReturnHistory (ReturnIndex, ReturnDate) SELECT i, '3-5-2005' FROM n;";
    ASSERT_EQ(sqlite3_exec(db, script, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    HistoryDatabase database;
    database.open(historyPath());
    const QList<QStringList> rows = listHistoryReturns(database);
    ASSERT_EQ(rows.size(), 20000);
    EXPECT_EQ(rows[0][1], QString(100, u'9'));
    EXPECT_EQ(rows[19999][0], "20000");
}

// The program's users work on Windows, in folders such as "C:\Users\Zoë": the history file,
// an older one converted beside it, its page archive and the pages unpacked from it all take
// paths with other letters than ASCII.
TEST_F(ReturnHistoryTest, ClientAndTemporaryFoldersWithNonAsciiNamesWork) {
    const QString clients = temp.path() + QStringLiteral("/Zoë Łukasz/Clients");
    const QString privateFolder = temp.path() + QStringLiteral("/Temp Zoë");
    ASSERT_TRUE(QDir().mkpath(clients));
    ASSERT_TRUE(QDir().mkpath(privateFolder));
    PrivateTempFolder::setOverride(privateFolder);
    const PageList pages = HistoryTestFiles::makePages(3);
    const QString client = clients + QStringLiteral("/Vtb00001.kvr");
    ASSERT_TRUE(addReturnToHistory(client, pages, {}));

    const QString older = clients + QStringLiteral("/Vtb00002.rhi");
    ASSERT_TRUE(QFile::copy(TestPaths::shared("fixtures/history-v2/three-returns.rhi"), older));
    for (const QString& history : {historyFilePath(client), older}) {
        HistoryDatabase database;
        ASSERT_NO_THROW(database.open(history)) << history.toStdString();
        const QList<QStringList> rows = listHistoryReturns(database);
        ASSERT_FALSE(rows.isEmpty());
        const std::optional<PageList> extracted = extractHistoryReturn(
            database, rows[0][0].toInt(), privateFolder + QStringLiteral("/Zoë-3-5-2005.zip"),
            unzippedPagesFolder());
        ASSERT_TRUE(extracted);
        EXPECT_TRUE((*extracted)[0].path().startsWith(privateFolder + QStringLiteral("/")));
        EXPECT_GT(TestFiles::readAll((*extracted)[0].path()).size(), 0);
    }
    EXPECT_TRUE(QFileInfo::exists(legacyHistoryCopyPath(older)));
}

} // namespace
