// Every save of a file the preparer keeps (a client file, a letter, the default letter, a
// backup, a filled page image) is run in a child process that is killed at a random moment, or that
// may not write more than a few hundred bytes. The file on disk is afterwards the previous one or
// the complete new one, never a mixture, and a save that could not write says so.

#include "clients/ClientFile.h"
#include "clients/backup/ClientBackup.h"
#include "forms/FormImages.h"
#include "forms/FormPage.h"
#include "letters/DefaultLetter.h"
#include "platform/FixedText.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeWrite.h"
#include "support/TestFiles.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
constexpr int kKilledRounds = 40;
constexpr rlim_t kFileSizeLimit = 512;

// One save: the file it replaces, the content before and the content it writes.
struct Save {
    const char* name;
    QString path;
    QByteArray previous;
    QByteArray next;
    std::function<bool()> run; // true when the save reports success
};

// Starts the save in a child process, which ends with 0 when the save reported success.
pid_t startChild(const Save& save, bool limitFileSize) {
    const pid_t child = fork();
    if (child != 0)
        return child;
    if (limitFileSize) {
        const rlimit limit{kFileSizeLimit, kFileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails instead of killing
    }
    _exit(save.run() ? 0 : 1);
}

int waitFor(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

QByteArray clientFileBytes(const char* name) {
    QTemporaryDir dir;
    ClientInfo client;
    FixedText::set(client.record.businessName, name);
    const QString path = dir.filePath("client.kvr");
    EXPECT_EQ(writeClientFile(client, path), kClientFileOk);
    return TestFiles::readAll(path);
}

QByteArray letterBytes(char filler) {
    return "{\\rtf1 " + QByteArray(40000, filler) + "\\par}";
}

class FaultInjectedSave : public ::testing::Test {
protected:
    void SetUp() override { ProgramFolder::setOverride(program_.path()); }
    void TearDown() override { ProgramFolder::setOverride({}); }

    std::vector<Save> saves() const {
        const QString client = folder_.filePath("Vtb00001.kvr");
        const QString letter = folder_.filePath("Vtb00001.tlt");
        const QString backup = folder_.filePath("backup.kvr");
        const QString source = folder_.filePath("source.kvr");
        const QString page = folder_.filePath("page.emf");
        TestFiles::writeAll(source, clientFileBytes("Restored Name"));
        return {
            {"client file", client, clientFileBytes("Old Name"), clientFileBytes("New Name"),
             [client] {
                 ClientInfo info;
                 FixedText::set(info.record.businessName, "New Name");
                 return writeClientFile(info, client) == kClientFileOk;
             }},
            {"letter", letter, letterBytes('o'), letterBytes('n'),
             [letter] { return !SafeWrite::replace(letter, letterBytes('n')); }},
            {"default letter", defaultLetterPath(), "{\\rtf1 my own letter}",
             TestFiles::readAll(":/letters/DefaultLetter.rtf"),
             [] { return ensureDefaultLetter(true); }},
            {"backup", backup, clientFileBytes("Old Backup"), clientFileBytes("Restored Name"),
             [backup, source] { return !ClientBackup::copyClientFile(source, backup); }},
            {"page image", page, TestFiles::readAll(FormImages::path(FormImages::kSt14)),
             TestFiles::readAll(FormImages::path(FormImages::kGasoholWorksheet)),
             [page] {
                 FormPage form;
                 return form.loadImage(FormImages::path(FormImages::kGasoholWorksheet)) ==
                            kFormPageOk &&
                        form.saveImage(page) == kFormPageOk;
             }},
        };
    }

    QTemporaryDir program_;
    QTemporaryDir folder_;
};
} // namespace

TEST_F(FaultInjectedSave, AKilledSaveLeavesThePreviousOrTheNewFile) {
    QRandomGenerator random(20050701);
    for (const Save& save : saves()) {
        // How long a whole save takes in a child; kills are spread over that time.
        TestFiles::writeAll(save.path, save.previous);
        QElapsedTimer timer;
        timer.start();
        ASSERT_EQ(waitFor(startChild(save, false)), 0) << save.name;
        const qint64 wholeSave = std::max<qint64>(timer.nsecsElapsed() / 1000, 1);
        ASSERT_EQ(TestFiles::readAll(save.path), save.next) << save.name;

        int killedEarly = 0;
        for (int round = 0; round < kKilledRounds; ++round) {
            TestFiles::writeAll(save.path, save.previous);
            const pid_t child = startChild(save, false);
            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(wholeSave)));
            kill(child, SIGKILL);
            if (WIFSIGNALED(waitFor(child)))
                ++killedEarly;
            const QByteArray after = TestFiles::readAll(save.path);
            EXPECT_TRUE(after == save.previous || after == save.next)
                << save.name << ", round " << round << ": " << after.size() << " bytes";
        }
        EXPECT_GT(killedEarly, 0) << save.name << ": no save was ever interrupted";
    }
}

TEST_F(FaultInjectedSave, ASaveThatCannotWriteEverythingFailsAndKeepsThePreviousFile) {
    for (const Save& save : saves()) {
        ASSERT_GT(save.next.size(), qsizetype(kFileSizeLimit)) << save.name;
        TestFiles::writeAll(save.path, save.previous);
        const int status = waitFor(startChild(save, true));
        ASSERT_TRUE(WIFEXITED(status)) << save.name;
        EXPECT_EQ(WEXITSTATUS(status), 1) << save.name << ": the failure was not reported";
        EXPECT_EQ(TestFiles::readAll(save.path), save.previous) << save.name;
    }
}
