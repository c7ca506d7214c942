// A store that dies half-way (killed, or out of disk space) must leave the history as it was:
// every earlier entry listed and extractable, the file intact. The child processes and the
// file-size limit that stands in for a full disk are POSIX facilities.
#include <QtGlobal>
#if defined(Q_OS_UNIX)
#include "history/HistoryDatabase.h"
#include "history/HistoryFilePath.h"
#include "history/PageArchive.h"
#include "history/ReturnHistory.h"
#include "support/HistoryTestFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class HistoryFaultTest : public ::testing::Test {
protected:
    HistoryFaultTest() {
        QDir().mkpath(temp.path() + "/Clients");
        pages = HistoryTestFiles::makePages(12, 40000);
        for (int entry = 0; entry < 2; ++entry)
            EXPECT_TRUE(addReturnToHistory(clientPath(), pages, {}));
    }

    QString clientPath() const { return temp.path() + "/Clients/Vtb00001.kvr"; }
    QString historyPath() const { return historyFilePath(clientPath()); }

    // Runs `work` in a child process and gives its wait status.
    template <typename Work>
    static int inChild(Work work, int killAfterMs = -1) {
        const pid_t child = fork();
        if (child == 0)
            _exit(work());
        if (killAfterMs >= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(killAfterMs));
            kill(child, SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    // The history opens, is intact, and its first two entries give the pages back.
    void expectEarlierEntriesReadable() {
        HistoryDatabase database;
        ASSERT_NO_THROW(database.open(historyPath()));
        EXPECT_EQ(database.execQuery("PRAGMA integrity_check;").fieldValue("integrity_check"),
                  "ok");
        const QList<QStringList> rows = listHistoryReturns(database);
        ASSERT_GE(rows.size(), 2);
        for (int number = 1; number <= 2; ++number) {
            EXPECT_EQ(rows[number - 1][0], QString::number(number));
            const QString folder = temp.path() + "/check";
            QDir(folder).removeRecursively();
            const std::optional<PageList> extracted =
                extractHistoryReturn(database, number, temp.path() + "/check.zip", folder);
            ASSERT_TRUE(extracted);
            ASSERT_EQ(extracted->size(), pages.size());
            for (std::size_t at = 0; at < pages.size(); ++at)
                EXPECT_EQ(TestFiles::readAll((*extracted)[at].path()),
                          TestFiles::readAll(pages[at].path()));
        }
    }

    ScopedTempFolder temp;
    PageList pages;
};

TEST_F(HistoryFaultTest, StoresKilledAtRandomPointsLeaveEarlierEntriesReadable) {
    QRandomGenerator random(20261210);
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        const int status = inChild(
            [&] {
                for (;;)
                    addReturnToHistory(clientPath(), pages, {});
                return 0;
            },
            random.bounded(5, 120));
        EXPECT_TRUE(WIFSIGNALED(status));
        expectEarlierEntriesReadable();
    }
}

// The file-size limit makes every write past it fail as a full disk would: the archive of the
// store still fits, the history file's growth does not.
TEST_F(HistoryFaultTest, StoreIntoAFullDiskFailsAndKeepsTheHistory) {
    const qint64 archiveSize = pageArchiveBytes(pages)->size();
    const qint64 historySize = QFileInfo(historyPath()).size();
    const QList<QStringList> before = [&] {
        HistoryDatabase database;
        database.open(historyPath());
        return listHistoryReturns(database);
    }();
    const int status = inChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit =
            static_cast<rlim_t>(std::max(archiveSize, historySize) + archiveSize / 2);
        const rlimit fileSize{limit, limit};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        return addReturnToHistory(clientPath(), pages, {}) ? 1 : 0;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the store said it succeeded";
    expectEarlierEntriesReadable();
    HistoryDatabase database;
    database.open(historyPath());
    EXPECT_EQ(listHistoryReturns(database), before);
}

} // namespace

#endif
