// The install of an update is run in a child process that is killed before each of its
// renames, and putting it back is killed again before each of its own. Whatever was cut
// short, once the program (at its next start) or the next updater has gone through the
// journal, the program folder holds the old version or the new one, never a mix. Staging on
// a full disk fails, says so and leaves nothing an updater would install.

#include "support/StagedProgramFolder.h"
#include "support/TestFiles.h"
#include "support/TestUpdates.h"
#include "update/UpdateManifest.h"
#include "update/UpdateStaging.h"
#include "update/UpdaterLaunch.h"
#include "update/updater/StagedInstall.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr rlim_t kFileSizeLimit = 512;

// Runs `work` in a child process that is killed before its rename number `killAt` (from 0);
// the child's wait status.
int runKilledAtRename(const std::function<bool(const StagedInstall::RenameHook&)>& work,
                      int killAt) {
    const pid_t child = fork();
    if (child == 0) {
        int renames = 0;
        const StagedInstall::RenameHook hook = [&renames, killAt] {
            if (renames++ == killAt)
                raise(SIGKILL);
        };
        _exit(work(hook) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

int killedInstall(const StagedProgramFolder& folder, int killAt) {
    return runKilledAtRename(
        [&folder](const StagedInstall::RenameHook& hook) {
            return StagedInstall::install(folder.path(), hook);
        },
        killAt);
}

bool hasJournal(const StagedProgramFolder& folder) {
    return QFileInfo::exists(folder.path(QStringLiteral("UpdateJournal.txt")));
}
} // namespace

TEST(FaultInjectedUpdate, AnInstallKilledAtAnyRenameIsPutBackWhole) {
    for (int killAt = 0; killAt < StagedProgramFolder::renamesOfAnInstall(); ++killAt) {
        const StagedProgramFolder folder;
        ASSERT_TRUE(WIFSIGNALED(killedInstall(folder, killAt))) << killAt;
        ASSERT_TRUE(hasJournal(folder)) << killAt;

        // The program's start puts the old version back, and the staged update whole.
        EXPECT_TRUE(StagedInstall::recoverInterrupted(folder.path())) << killAt;
        EXPECT_EQ(folder.programFiles(), StagedProgramFolder::oldVersion()) << killAt;
        EXPECT_FALSE(hasJournal(folder)) << killAt;
        EXPECT_TRUE(StagedInstall::install(folder.path())) << killAt;
        EXPECT_EQ(folder.programFiles(), StagedProgramFolder::newVersion()) << killAt;
    }
}

TEST(FaultInjectedUpdate, PuttingBackKilledAtAnyRenameIsFinishedLater) {
    for (int killAt = 0; killAt < StagedProgramFolder::renamesOfAnInstall(); ++killAt) {
        // Putting back an install cut before rename n takes at most n renames.
        for (int recoveryKillAt = 0; recoveryKillAt < killAt; ++recoveryKillAt) {
            const StagedProgramFolder folder;
            ASSERT_TRUE(WIFSIGNALED(killedInstall(folder, killAt)));
            runKilledAtRename(
                [&folder](const StagedInstall::RenameHook& hook) {
                    return StagedInstall::recoverInterrupted(folder.path(), hook);
                },
                recoveryKillAt);
            EXPECT_TRUE(StagedInstall::recoverInterrupted(folder.path()))
                << killAt << ", " << recoveryKillAt;
            EXPECT_EQ(folder.programFiles(), StagedProgramFolder::oldVersion())
                << killAt << ", " << recoveryKillAt;
        }
    }
}

// The next updater puts back what the killed one left and installs the update whole.
TEST(FaultInjectedUpdate, TheNextUpdaterFinishesAnInterruptedInstall) {
    const StagedProgramFolder folder;
    ASSERT_TRUE(WIFSIGNALED(killedInstall(folder, 2)));
    QProcess updater;
    updater.start(UpdaterLaunch::updaterPath(),
                  {QStringLiteral("0"), folder.path(), QStringLiteral("/bin/true")});
    ASSERT_TRUE(updater.waitForFinished(30000));
    EXPECT_EQ(updater.exitCode(), 0);
    EXPECT_EQ(folder.programFiles(), StagedProgramFolder::newVersion());
    EXPECT_TRUE(folder.read(QStringLiteral("UpdateLog.txt")).contains("putting back"));
}

TEST(FaultInjectedUpdate, StagingOnAFullDiskFailsAndLeavesNothingToInstall) {
    QTemporaryDir unpacked;
    QTemporaryDir program;
    const std::vector<TestZip::Entry> files = {{"vantrobe", QByteArray(4096, 'p')},
                                               {"lib/libx.so", "small"}};
    QDir(unpacked.path()).mkpath(QStringLiteral("lib"));
    for (const TestZip::Entry& file : files)
        TestFiles::writeAll(unpacked.filePath(file.name), file.bytes);
    const std::optional<UpdateManifest> manifest =
        UpdateManifest::parse(TestUpdates::manifestFor(files, QStringLiteral("2.1")));
    ASSERT_TRUE(manifest);

    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{kFileSizeLimit, kFileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails instead of killing
        _exit(UpdateStaging::stage(unpacked.path(), program.path(), *manifest) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the failure was not reported";
    EXPECT_FALSE(QFileInfo::exists(program.filePath(QStringLiteral("New"))));
    // With room, the same staging succeeds.
    EXPECT_TRUE(UpdateStaging::stage(unpacked.path(), program.path(), *manifest));
    EXPECT_EQ(TestFiles::readAll(program.filePath(QStringLiteral("New/vantrobe"))), files[0].bytes);
}
