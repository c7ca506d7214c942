#include "support/StagedProgramFolder.h"
#include "support/TestFiles.h"
#include "update/UpdaterLaunch.h"
#include "update/updater/ProcessWait.h"
#include "update/updater/StagedInstall.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class StagedInstallTest : public ::testing::Test {
protected:
    void expectInstalled() const {
        EXPECT_EQ(staged.programFiles(), StagedProgramFolder::newVersion());
        EXPECT_EQ(staged.read(QStringLiteral("Old/vantrobe")), "old program");
        EXPECT_EQ(staged.read(QStringLiteral("Old/lib/libx.so")), "old library");
        EXPECT_FALSE(QFileInfo::exists(staged.path(QStringLiteral("New"))));
        EXPECT_FALSE(QFileInfo::exists(staged.path(QStringLiteral("UpdateJournal.txt"))));
    }
    QByteArray log() const { return staged.read(QStringLiteral("UpdateLog.txt")); }

    StagedProgramFolder staged;
};

TEST_F(StagedInstallTest, InstallsTheNewFilesAndKeepsTheReplacedOnesInOld) {
    EXPECT_TRUE(StagedInstall::install(staged.path()));
    expectInstalled();
    EXPECT_TRUE(log().contains("update installed"));
}

TEST_F(StagedInstallTest, AFailedStepPutsEveryReplacedFileBack) {
    // "plugins" is a file, so plugins/extra.so cannot be installed after the library was
    // already replaced.
    staged.put(QStringLiteral("plugins"), "a file in the way");
    EXPECT_FALSE(StagedInstall::install(staged.path()));
    StagedProgramFolder::Content before = StagedProgramFolder::oldVersion();
    before[QStringLiteral("plugins")] = "a file in the way";
    EXPECT_EQ(staged.programFiles(), before);
    EXPECT_FALSE(QFileInfo::exists(staged.path(QStringLiteral("Old/lib/libx.so"))));
    EXPECT_FALSE(QFileInfo::exists(staged.path(QStringLiteral("UpdateJournal.txt"))));
    EXPECT_TRUE(log().contains("could not install plugins/extra.so"));
    EXPECT_TRUE(log().contains("put back lib/libx.so"));
    EXPECT_TRUE(log().contains("update failed"));
}

// The staged files are checked against the manifest before anything is moved: a short copy
// (a full disk) or a file changed after staging installs nothing.
TEST_F(StagedInstallTest, AStagedFileThatDoesNotMatchTheManifestMovesNothing) {
    const struct {
        const char* what;
        const char* name;
        QByteArray bytes; // empty: the file is removed
    } cases[] = {{"a short copy", "New/lib/libx.so", "new lib"},
                 {"a changed file", "New/vantrobe", "another program"},
                 {"a missing file", "New/plugins/extra.so", {}},
                 {"no manifest", "New/VanManifest.txt", {}},
                 {"a damaged manifest", "New/VanManifest.txt", "Vantrobe update manifest 1\n"}};
    for (const auto& [what, name, bytes] : cases) {
        const StagedProgramFolder folder;
        if (bytes.isEmpty())
            QFile::remove(folder.path(QLatin1String(name)));
        else
            folder.put(QLatin1String(name), bytes);
        EXPECT_FALSE(StagedInstall::install(folder.path())) << what;
        EXPECT_EQ(folder.programFiles(), StagedProgramFolder::oldVersion()) << what;
        EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("UpdateJournal.txt")))) << what;
    }
}

TEST_F(StagedInstallTest, ADamagedJournalIsLeftAloneAndStopsTheInstall) {
    staged.put(QStringLiteral("UpdateJournal.txt"), "Vantrobe install journal 1\nadd ../x\n");
    EXPECT_FALSE(StagedInstall::recoverInterrupted(staged.path()));
    EXPECT_FALSE(StagedInstall::install(staged.path()));
    EXPECT_EQ(staged.programFiles(), StagedProgramFolder::oldVersion());
    EXPECT_TRUE(log().contains("damaged"));
}

TEST_F(StagedInstallTest, WithoutAJournalThereIsNothingToPutBack) {
    EXPECT_TRUE(StagedInstall::recoverInterrupted(staged.path()));
    EXPECT_EQ(staged.programFiles(), StagedProgramFolder::oldVersion());
    EXPECT_FALSE(QFileInfo::exists(staged.path(QStringLiteral("UpdateLog.txt"))));
}

TEST(ProcessWait, ReturnsOnceTheProcessHasEnded) {
    QProcess sleeper;
    sleeper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(sleeper.waitForStarted());
    const qint64 pid = sleeper.processId();
    EXPECT_FALSE(ProcessWait::waitForExit(pid, 0));
    sleeper.kill();
    EXPECT_TRUE(ProcessWait::waitForExit(pid, 10000));
    sleeper.waitForFinished();
}

// A process of another user (here the system's first process) may not be signalled or opened
// by the updater; that is no sign that it has ended.
TEST(ProcessWait, AProcessThatMayNotBeQueriedIsNotTakenAsEnded) {
    EXPECT_FALSE(ProcessWait::waitForExit(1, 200));
}

// The updater program itself: it waits for the program to end, installs, and starts the
// program again (here a script that leaves a mark).
class UpdaterProgramTest : public StagedInstallTest {
protected:
    QString restartScript() const {
        staged.put(QStringLiteral("restart.sh"),
                   QStringLiteral("#!/bin/sh\necho started > '%1'\n").arg(mark()).toUtf8());
        QFile::setPermissions(staged.path(QStringLiteral("restart.sh")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        return staged.path(QStringLiteral("restart.sh"));
    }
    QString mark() const { return staged.path(QStringLiteral("restarted")); }
    bool restarted() const {
        const QDeadlineTimer deadline(10000);
        while (!QFileInfo::exists(mark()) && !deadline.hasExpired())
            QThread::msleep(20);
        return QFileInfo::exists(mark());
    }
    // The program folder's content without the test's own script and mark.
    StagedProgramFolder::Content programFiles() const {
        StagedProgramFolder::Content content = staged.programFiles();
        content.erase(QStringLiteral("restart.sh"));
        content.erase(QStringLiteral("restarted"));
        return content;
    }
};

TEST_F(UpdaterProgramTest, TheUpdaterInstallsAndRestartsTheProgram) {
    const QString script = restartScript();
    QProcess program;
    program.start(QStringLiteral("sleep"), {QStringLiteral("0.5")});
    ASSERT_TRUE(program.waitForStarted());

    QProcess updater;
    updater.start(UpdaterLaunch::updaterPath(),
                  {QString::number(program.processId()), staged.path(), script});
    ASSERT_TRUE(updater.waitForFinished(30000));
    program.waitForFinished();
    EXPECT_EQ(updater.exitCode(), 0);
    EXPECT_EQ(programFiles(), StagedProgramFolder::newVersion());
    EXPECT_TRUE(restarted());
}

TEST_F(UpdaterProgramTest, TheUpdaterRollsBackAndStillRestartsTheProgram) {
    staged.put(QStringLiteral("plugins"), "a file in the way");
    QProcess updater;
    updater.start(UpdaterLaunch::updaterPath(),
                  {QStringLiteral("0"), staged.path(), restartScript()});
    ASSERT_TRUE(updater.waitForFinished(30000));
    EXPECT_EQ(updater.exitCode(), 1);
    EXPECT_EQ(staged.read(QStringLiteral("vantrobe")), "old program");
    EXPECT_TRUE(log().contains("update failed"));
    EXPECT_TRUE(restarted());
}

// The program starts a copy of the updater from its private folder, so the updater can
// replace its own file and the libraries it has loaded.
TEST_F(UpdaterProgramTest, TheUpdaterRunsFromACopyInThePrivateFolder) {
    QTemporaryDir privateFolder;
    QProcess program;
    program.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(program.waitForStarted());
    qint64 updaterPid = 0;
    ASSERT_TRUE(UpdaterLaunch::start({program.processId(), staged.path(), restartScript()},
                                     privateFolder.path(), &updaterPid));

    const QString copy = privateFolder.filePath(QStringLiteral("updater/vantroupdate"));
    EXPECT_EQ(QFileInfo(QStringLiteral("/proc/%1/exe").arg(updaterPid)).canonicalFilePath(),
              QFileInfo(copy).canonicalFilePath());
    EXPECT_EQ(TestFiles::readAll(copy), TestFiles::readAll(UpdaterLaunch::updaterPath()));
    EXPECT_EQ(programFiles(), StagedProgramFolder::oldVersion()); // it waits for the program
    program.kill();
    program.waitForFinished();
    ASSERT_TRUE(ProcessWait::waitForExit(updaterPid, 30000));
    EXPECT_EQ(programFiles(), StagedProgramFolder::newVersion());
    EXPECT_TRUE(restarted());
}

} // namespace
