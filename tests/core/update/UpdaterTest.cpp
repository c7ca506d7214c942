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

// A scratch program folder with installed files and an update staged in "New".
class StagedProgramFolder : public ::testing::Test {
protected:
    StagedProgramFolder() {
        put(QStringLiteral("vantrobe"), "old program");
        put(QStringLiteral("lib/libx.so"), "old library");
        put(QStringLiteral("Data.tbl"), "tax table");
        put(QStringLiteral("New/vantrobe"), "new program");
        put(QStringLiteral("New/lib/libx.so"), "new library");
        put(QStringLiteral("New/plugins/extra.so"), "new plugin");
        put(QStringLiteral("New/VanVer.txt"), "1\n2.1\n");
        QDir(folder.path()).mkpath(QStringLiteral("Old"));
    }

    void put(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(name)).path());
        TestFiles::writeAll(path(name), bytes);
    }
    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QByteArray read(const QString& name) const { return TestFiles::readAll(path(name)); }

    void expectInstalled() const {
        EXPECT_EQ(read(QStringLiteral("vantrobe")), "new program");
        EXPECT_EQ(read(QStringLiteral("lib/libx.so")), "new library");
        EXPECT_EQ(read(QStringLiteral("plugins/extra.so")), "new plugin");
        EXPECT_EQ(read(QStringLiteral("VanVer.txt")), "1\n2.1\n");
        EXPECT_EQ(read(QStringLiteral("Data.tbl")), "tax table");
        EXPECT_EQ(read(QStringLiteral("Old/vantrobe")), "old program");
        EXPECT_EQ(read(QStringLiteral("Old/lib/libx.so")), "old library");
        EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("New"))));
    }

    QTemporaryDir folder;
};

TEST_F(StagedProgramFolder, InstallsTheNewFilesAndKeepsTheReplacedOnesInOld) {
    EXPECT_TRUE(StagedInstall::install(folder.path()));
    expectInstalled();
    EXPECT_TRUE(read(QStringLiteral("UpdateLog.txt")).contains("update installed"));
}

TEST_F(StagedProgramFolder, AFailedStepPutsEveryReplacedFileBack) {
    // "plugins" is a file, so plugins/extra.so cannot be installed after the library and the
    // program folder's other files were already replaced.
    put(QStringLiteral("plugins"), "a file in the way");
    EXPECT_FALSE(StagedInstall::install(folder.path()));
    EXPECT_EQ(read(QStringLiteral("vantrobe")), "old program");
    EXPECT_EQ(read(QStringLiteral("lib/libx.so")), "old library");
    EXPECT_EQ(read(QStringLiteral("plugins")), "a file in the way");
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("VanVer.txt"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Old/lib/libx.so"))));
    const QByteArray log = read(QStringLiteral("UpdateLog.txt"));
    EXPECT_TRUE(log.contains("could not install plugins/extra.so"));
    EXPECT_TRUE(log.contains("put back lib/libx.so"));
    EXPECT_TRUE(log.contains("update failed"));
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

// The updater program itself: it waits for the program to end, installs, and starts the
// program again (here a script that leaves a mark).
TEST_F(StagedProgramFolder, TheUpdaterInstallsAndRestartsTheProgram) {
    const QString mark = path(QStringLiteral("restarted"));
    put(QStringLiteral("restart.sh"),
        QStringLiteral("#!/bin/sh\necho started > '%1'\n").arg(mark).toUtf8());
    QFile::setPermissions(path(QStringLiteral("restart.sh")),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QProcess program;
    program.start(QStringLiteral("sleep"), {QStringLiteral("0.5")});
    ASSERT_TRUE(program.waitForStarted());

    QProcess updater;
    updater.start(
        UpdaterLaunch::updaterPath(),
        {QString::number(program.processId()), folder.path(), path(QStringLiteral("restart.sh"))});
    ASSERT_TRUE(updater.waitForFinished(30000));
    program.waitForFinished();
    EXPECT_EQ(updater.exitCode(), 0);
    expectInstalled();
    const QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(mark) && !deadline.hasExpired())
        QThread::msleep(20);
    EXPECT_TRUE(QFileInfo::exists(mark));
}

TEST_F(StagedProgramFolder, TheUpdaterRollsBackAndStillRestartsTheProgram) {
    put(QStringLiteral("plugins"), "a file in the way");
    QProcess updater;
    updater.start(UpdaterLaunch::updaterPath(),
                  {QStringLiteral("0"), folder.path(), QStringLiteral("/bin/true")});
    ASSERT_TRUE(updater.waitForFinished(30000));
    EXPECT_EQ(updater.exitCode(), 1);
    EXPECT_EQ(read(QStringLiteral("vantrobe")), "old program");
    EXPECT_TRUE(read(QStringLiteral("UpdateLog.txt")).contains("update failed"));
}

} // namespace
