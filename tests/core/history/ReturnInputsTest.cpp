#include "history/ClientBoard.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryFilePath.h"
#include "history/HistoryOverviewCache.h"
#include "history/ReturnHistory.h"
#include "history/ReturnInputsTable.h"
#include "platform/Clock.h"
#include "returns/ReturnRecord.h"
#include "support/ExternalTool.h"
#include "support/HistoryTestFiles.h"

#include <QDir>
#include <QJsonDocument>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
constexpr int M = kMonthlyPeriod;

class ReturnInputsTest : public ::testing::Test {
protected:
    ReturnInputsTest() {
        QDir().mkpath(temp.path() + "/Clients");
        Clock::setFixedDate(QDate(2025, 4, 2));
    }
    ~ReturnInputsTest() override { Clock::release(); }

    QString clientPath() const { return temp.path() + "/Clients/Vtb00001.kvr"; }
    QString historyPath() const { return historyFilePath(clientPath()); }

    // The inputs of a monthly return for `month` of 2025 (prepared on the pinned day) with
    // total receipts `total`.
    static StoredInputs inputsFor(int month, double total) {
        auto record = std::make_unique<ReturnRecord>();
        record->period.periodType = kMonthlyPeriod;
        record->period.monthIndex = month - 1;
        record->st1.totalReceipts = total;
        record->summary.summaryTotalReceipts = roundDollars(total);
        return singleSiteInputs(*record, Clock::today(), {"2025-01-01", "TRAILER", "ab12"});
    }
    bool store(const std::optional<StoredInputs>& inputs) {
        ReturnSummary summary;
        summary.summaryPaymentDue = 2821;
        return addReturnToHistory(clientPath(), HistoryTestFiles::makePages(2), summary, inputs);
    }
    void sql(const QString& statement) {
        const ExternalTool::Run run =
            ExternalTool::run(QStringLiteral("sqlite3"), {historyPath(), statement});
        ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    }
    EntryInputs inputsOf(int returnIndex) {
        HistoryDatabase database;
        database.open(historyPath());
        return readEntryInputs(database, returnIndex);
    }
    int listed() {
        HistoryDatabase database;
        database.open(historyPath());
        return int(listHistoryReturns(database).size());
    }
    bool views(int returnIndex) {
        HistoryDatabase database;
        database.open(historyPath());
        QDir(unzippedPagesFolder()).removeRecursively();
        return extractHistoryReturn(database, returnIndex, temp.path() + "/view.zip",
                                    unzippedPagesFolder())
            .has_value();
    }
    ScopedTempFolder temp;
};

TEST_F(ReturnInputsTest, StoredWithTheEntryAndReadBackWhole) {
    const StoredInputs stored = inputsFor(3, 48250.5);
    ASSERT_TRUE(store(stored));
    const EntryInputs read = inputsOf(1);
    ASSERT_EQ(read.state, EntryInputs::State::Stored) << read.problem.toStdString();
    EXPECT_EQ(read.inputs->document, stored.document);
    EXPECT_EQ(read.inputs->period, (FilingPeriod{M, 2025, 3}));
    const QJsonObject document = read.inputs->document;
    EXPECT_EQ(document["formatVersion"].toInt(), 1);
    EXPECT_FALSE(document["programVersion"].toString().isEmpty());
    EXPECT_EQ(document["taxTable"].toObject()["sha256"].toString(), "ab12");
    EXPECT_EQ(document["period"].toObject()["year"].toInt(), 2025);
    EXPECT_EQ(document["period"].toObject()["month"].toInt(), 3);
    EXPECT_EQ(document["st1"].toObject()["totalReceipts"].toDouble(), 48250.5);
    // The specified table keeps its columns; the inputs sit in their own table.
    const ExternalTool::Run schema =
        ExternalTool::run(QStringLiteral("sqlite3"), {historyPath(), ".tables"});
    EXPECT_EQ(QString::fromUtf8(schema.output).simplified(),
              "DataBaseVersion tblReturnHistory tblReturnInputs");
}

TEST_F(ReturnInputsTest, AnEntryWithoutInputsListsViewsAndSaysSo) {
    ASSERT_TRUE(store(std::nullopt)); // as every entry stored before inputs were kept
    EXPECT_EQ(inputsOf(1).state, EntryInputs::State::None);
    EXPECT_EQ(listed(), 1);
    EXPECT_TRUE(views(1));
    const HistoryOverview overview = readHistoryOverview(clientPath());
    EXPECT_TRUE(overview.hasHistory);
    EXPECT_FALSE(overview.latestPeriod);
    EXPECT_EQ(overview.lastPaymentDue, "2,821");
    EXPECT_TRUE(overview.problems.isEmpty());
    QString problem;
    EXPECT_FALSE(readLatestInputs(clientPath(), problem));
    EXPECT_TRUE(problem.isEmpty());
}

TEST_F(ReturnInputsTest, TheLatestPeriodCountsNotTheLatestStore) {
    ASSERT_TRUE(store(inputsFor(3, 300)));
    ASSERT_TRUE(store(inputsFor(1, 100))); // an earlier month stored afterwards
    ASSERT_TRUE(store(std::nullopt));
    const HistoryOverview overview = readHistoryOverview(clientPath());
    EXPECT_TRUE(overview.hasHistory);
    EXPECT_EQ(overview.latestIndex, 1);
    EXPECT_EQ(overview.latestPeriod, (FilingPeriod{M, 2025, 3}));
    QString problem;
    const std::optional<StoredInputs> latest = readLatestInputs(clientPath(), problem);
    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->document["st1"].toObject()["totalReceipts"].toDouble(), 300);
}

TEST_F(ReturnInputsTest, DeletingAnEntryDeletesItsInputs) {
    ASSERT_TRUE(store(inputsFor(3, 300)));
    ASSERT_TRUE(store(inputsFor(4, 400)));
    {
        HistoryDatabase database;
        database.open(historyPath());
        ASSERT_TRUE(deleteHistoryReturn(database, 2));
    }
    EXPECT_EQ(inputsOf(2).state, EntryInputs::State::None);
    EXPECT_EQ(inputsOf(1).state, EntryInputs::State::Stored);
    EXPECT_EQ(readHistoryOverview(clientPath()).latestPeriod, (FilingPeriod{M, 2025, 3}));
    // The number given out again carries only the new entry's inputs.
    ASSERT_TRUE(store(inputsFor(5, 500)));
    EXPECT_EQ(inputsOf(2).inputs->period, (FilingPeriod{M, 2025, 5}));
}

TEST_F(ReturnInputsTest, InputsThatCannotBeStoredLeaveNoEntryEither) {
    ASSERT_TRUE(store(inputsFor(3, 300)));
    sql("drop table tblReturnInputs; create table tblReturnInputs (Other text);");
    EXPECT_FALSE(store(inputsFor(4, 400)));
    EXPECT_EQ(listed(), 1) << "the entry and its inputs are one transaction";
}

TEST_F(ReturnInputsTest, DamagedRowsAreReportedNeverUsedAndStopNothing) {
    const struct {
        const char* what;
        const char* update;
        const char* problem;
    } damages[] = {
        {"a broken document", "update tblReturnInputs set Inputs = '{\"formatVersion\":1,';",
         "the inputs are not readable"},
        {"a document of a newer format",
         "update tblReturnInputs set Inputs = json_set(Inputs, '$.formatVersion', 9);",
         "stored by a newer version of the program (format 9)"},
        {"a document without its sections",
         "update tblReturnInputs set Inputs = json_remove(Inputs, '$.st8');",
         "lack some of their sections"},
        {"columns that disagree with the document", "update tblReturnInputs set PeriodNumber = 4;",
         "does not match the entry's"},
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.what);
        QFile::remove(historyPath());
        ASSERT_TRUE(store(inputsFor(3, 300)));
        sql(QLatin1String(damage.update));
        const EntryInputs read = inputsOf(1);
        EXPECT_EQ(read.state, EntryInputs::State::Damaged);
        EXPECT_FALSE(read.inputs);
        EXPECT_TRUE(read.problem.contains(QLatin1String(damage.problem)))
            << read.problem.toStdString();
        QString problem;
        EXPECT_FALSE(readLatestInputs(clientPath(), problem));
        EXPECT_TRUE(problem.startsWith("The inputs stored with return 1 are damaged"))
            << problem.toStdString();
        EXPECT_EQ(listed(), 1);
        EXPECT_TRUE(views(1));
    }
}

TEST_F(ReturnInputsTest, ARowWithAnImpossiblePeriodIsLeftOffTheBoard) {
    ASSERT_TRUE(store(inputsFor(2, 200)));
    ASSERT_TRUE(store(inputsFor(3, 300)));
    sql("update tblReturnInputs set PeriodNumber = 13 where ReturnIndex = 2;");
    const HistoryOverview overview = readHistoryOverview(clientPath());
    EXPECT_EQ(overview.latestPeriod, (FilingPeriod{M, 2025, 2}));
    ASSERT_EQ(overview.problems.size(), 1);
    EXPECT_EQ(overview.problems[0], "The inputs stored with return 2 are damaged (no valid "
                                    "period) and are not used.");
    const BoardRow row = boardRow({"Acme", clientPath()}, overview, QDate(2025, 4, 2));
    EXPECT_EQ(row.problem, overview.problems[0]);
    EXPECT_EQ(row.status.next, (FilingPeriod{M, 2025, 3}));
}

TEST_F(ReturnInputsTest, NoHistoryFileIsNoHistoryAndNoneIsCreated) {
    const HistoryOverview overview = readHistoryOverview(clientPath());
    EXPECT_FALSE(overview.hasHistory);
    EXPECT_FALSE(QFile::exists(historyPath()));
    const BoardRow row = boardRow({"Acme", clientPath()}, overview, QDate(2025, 4, 2));
    EXPECT_EQ(row.frequency, "No return stored yet");
    EXPECT_EQ(row.status.state, DueState::NotStarted);
}

TEST_F(ReturnInputsTest, AnUnreadableHistoryIsReportedOnTheBoard) {
    QFile file(historyPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a history file at all");
    file.close();
    const HistoryOverview overview = readHistoryOverview(clientPath());
    ASSERT_EQ(overview.problems.size(), 1);
    EXPECT_TRUE(overview.problems[0].startsWith("The return history cannot be read"));
}

// 20,000 inputs rows are all read; a June row past them is not, and the board says so.
TEST_F(ReturnInputsTest, TheBoardReadsAtMostTheRowCapOfInputs) {
    ASSERT_TRUE(store(inputsFor(2, 200)));
    sql(QStringLiteral("with recursive n(i) as (select 2 union all select i + 1 from n where i < "
                       "%1) insert into tblReturnInputs select i, %2, %3, 2025, 3, 'x' from n;")
            .arg(HistoryDatabase::kMaxReadRows)
            .arg(StoredInputs::kFormatVersion)
            .arg(M));
    HistoryOverview overview = readHistoryOverview(clientPath());
    EXPECT_EQ(overview.latestPeriod, (FilingPeriod{M, 2025, 3}));
    EXPECT_TRUE(overview.problems.isEmpty()) << overview.problems.join(' ').toStdString();

    sql(QStringLiteral("insert into tblReturnInputs values (%1, %2, %3, 2025, 6, 'x');")
            .arg(HistoryDatabase::kMaxReadRows + 1)
            .arg(StoredInputs::kFormatVersion)
            .arg(M));
    overview = readHistoryOverview(clientPath());
    EXPECT_EQ(overview.latestPeriod, (FilingPeriod{M, 2025, 3}));
    ASSERT_EQ(overview.problems.size(), 1);
    EXPECT_EQ(overview.problems[0], "The history holds more than 20,000 stored inputs; only the "
                                    "first 20,000 are read.");
}

TEST_F(ReturnInputsTest, TheOverviewCacheReadsAHistoryAgainWhenItChanged) {
    HistoryOverviewCache cache;
    EXPECT_FALSE(cache.read(clientPath()).hasHistory);
    ASSERT_TRUE(store(inputsFor(2, 200)));
    EXPECT_EQ(cache.read(clientPath()).latestPeriod, (FilingPeriod{M, 2025, 2}));
    ASSERT_TRUE(store(inputsFor(3, 300)));
    EXPECT_EQ(cache.read(clientPath()).latestPeriod, (FilingPeriod{M, 2025, 3}));

    // A change of the same size with its modification time set back is still seen: the
    // metadata change time moves on.
    const QFileInfo before(historyPath());
    const QDateTime modified = before.lastModified();
    QThread::msleep(20);
    sql("update tblReturnInputs set PeriodNumber = 4 where ReturnIndex = 2;");
    QFile file(historyPath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    ASSERT_EQ(QFileInfo(historyPath()).size(), before.size());
    EXPECT_EQ(cache.read(clientPath()).latestPeriod, (FilingPeriod{M, 2025, 4}));

    ASSERT_TRUE(QFile::remove(historyPath()));
    EXPECT_FALSE(cache.read(clientPath()).hasHistory);
}

class HistoryOverviewCacheTest : public ReturnInputsTest {
protected:
    QString summaryPath() const { return temp.path() + "/cache/ReturnsDue.summary"; }
    // The summary a previous run left: the client's overview read and saved.
    void leaveSummary() {
        HistoryOverviewCache previousRun(summaryPath());
        ASSERT_EQ(previousRun.read(clientPath()).latestPeriod, (FilingPeriod{M, 2025, 2}));
        ASSERT_TRUE(previousRun.save());
    }
};

TEST_F(HistoryOverviewCacheTest, TheSummaryOfAnUnchangedHistoryLastsToTheNextRun) {
    ASSERT_TRUE(store(inputsFor(2, 200)));
    leaveSummary();
    const LockedHistory locked(historyPath());
    HistoryOverviewCache nextRun(summaryPath());
    const HistoryOverview overview = nextRun.read(clientPath());
    EXPECT_EQ(overview.latestPeriod, (FilingPeriod{M, 2025, 2}));
    EXPECT_EQ(overview.lastPaymentDue, "2,821");
    EXPECT_TRUE(overview.problems.isEmpty());
    HistoryOverviewCache withoutSummary;
    EXPECT_TRUE(withoutSummary.read(clientPath()).unreadable) << "the lock holds readers off";
}

TEST_F(HistoryOverviewCacheTest, AHistoryChangedSinceTheSummaryIsReadAgain) {
    ASSERT_TRUE(store(inputsFor(2, 200)));
    leaveSummary();
    ASSERT_TRUE(store(inputsFor(3, 300)));
    HistoryOverviewCache nextRun(summaryPath());
    EXPECT_EQ(nextRun.read(clientPath()).latestPeriod, (FilingPeriod{M, 2025, 3}));
    ASSERT_TRUE(nextRun.save());
    const LockedHistory locked(historyPath());
    EXPECT_EQ(HistoryOverviewCache(summaryPath()).read(clientPath()).latestPeriod,
              (FilingPeriod{M, 2025, 3}))
        << "the overview read again is what the summary keeps now";
}

TEST_F(HistoryOverviewCacheTest, ADamagedSummaryIsIgnored) {
    ASSERT_TRUE(store(inputsFor(2, 200)));
    const std::function<void(QByteArray&)> damages[] = {
        [](QByteArray& bytes) { bytes.chop(5); },
        [](QByteArray& bytes) { bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20); },
        [](QByteArray& bytes) { // the period's year 2025 made 2026, every length as it was
            bytes.replace(QByteArray("\x00\x00\x07\xe9", 4), QByteArray("\x00\x00\x07\xea", 4));
        },
        [](QByteArray& bytes) { bytes[7] = char(bytes[7] + 1); }, // another format version
        [](QByteArray& bytes) { bytes.append('\0'); },
        [](QByteArray& bytes) { bytes.clear(); },
    };
    int damage = 0;
    for (const auto& damageSummary : damages) {
        leaveSummary();
        QFile file(summaryPath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        damageSummary(bytes);
        file.resize(0);
        file.write(bytes);
        file.close();
        const LockedHistory locked(historyPath());
        HistoryOverviewCache nextRun(summaryPath());
        const HistoryOverview overview = nextRun.read(clientPath());
        EXPECT_TRUE(overview.unreadable) << "damage " << damage << ": the history was not read";
        EXPECT_FALSE(overview.latestPeriod) << "damage " << damage;
        ++damage;
    }
}

// A history that cannot be read at that moment (a store holds it) is read again when next
// asked, in this run and the next, never answered from the failed read.
TEST_F(HistoryOverviewCacheTest, AFailedReadIsNotKept) {
    ASSERT_TRUE(store(inputsFor(2, 200)));
    HistoryOverviewCache cache(summaryPath());
    {
        const LockedHistory locked(historyPath());
        EXPECT_TRUE(cache.read(clientPath()).unreadable);
        ASSERT_TRUE(cache.save());
    }
    EXPECT_EQ(HistoryOverviewCache(summaryPath()).read(clientPath()).latestPeriod,
              (FilingPeriod{M, 2025, 2}));
    EXPECT_EQ(cache.read(clientPath()).latestPeriod, (FilingPeriod{M, 2025, 2}));
}
} // namespace
