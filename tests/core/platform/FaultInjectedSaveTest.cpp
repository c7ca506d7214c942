// Every save of a file the preparer keeps (a client file, a letter, the default letter, a
// backup, a filled page image) is run in a child process that is killed at a random moment, or that
// may not write more than a few hundred bytes. The file on disk is afterwards the previous one or
// the complete new one, never a mixture, and a save that could not write says so.
// New clients are saved by two programs sharing one client folder at once, also while they are
// killed: no save replaces another client's file.

#include "clients/ClientFile.h"
#include "clients/ClientStore.h"
#include "clients/backup/ClientBackup.h"
#include "forms/FormImages.h"
#include "forms/FormPage.h"
#include "letters/DefaultLetter.h"
#include "platform/FixedText.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeWrite.h"
#include "settings/SettingsBinder.h"
#include "support/TestFiles.h"

#include <QDir>
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

namespace {
constexpr int kClientsPerProgram = 300;

// Saves new clients named "<program>-<n>" into the folder, as a program does for each new or
// restored client, and notes each save reported as done in `log` (one line: path, name).
// Ends with 0 when every save was reported as done.
int saveNewClients(char program, const QString& folder, const QString& log) {
    QFile saved(log);
    if (!saved.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;
    bool allSaved = true;
    for (int number = 1; number <= kClientsPerProgram; ++number) {
        ClientInfo client;
        const QByteArray name = program + QByteArray("-") + QByteArray::number(number);
        FixedText::set(client.record.businessName, name.constData());
        if (ClientStore::saveClient(client, QString(), folder) != kClientFileOk) {
            allSaved = false;
            continue;
        }
        saved.write(QFile::encodeName(client.path) + '\t' + name + '\n');
    }
    return allSaved ? 0 : 1;
}

// Every client the log says was saved is in its file, whole.
void expectLoggedClientsIntact(const QString& log, int& count) {
    QFile saved(log);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    for (const QByteArray& line : saved.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split('\t');
        if (parts.size() != 2)
            continue;
        ClientInfo client;
        ASSERT_EQ(readClientFile(QFile::decodeName(parts[0]), client), kClientFileOk)
            << parts[0].constData();
        const std::string_view name = FixedText::view(client.record.businessName);
        EXPECT_EQ(QByteArray(name.data(), qsizetype(name.size())), parts[1])
            << "another save replaced " << parts[0].constData();
        ++count;
    }
}

class ConcurrentNewClients : public ::testing::Test {
protected:
    void SetUp() override { emptyFolder(); }
    // An empty client folder and a counter that starts again.
    void emptyFolder() {
        QDir(clients_.path()).removeRecursively();
        QDir().mkpath(clients_.path());
        SettingsStore::writeInt(QStringLiteral("Private Data"), QStringLiteral("Client Count"), 0);
    }
    QString log(char program) const { return logs_.filePath(QString(QChar(program))); }
    pid_t start(char program) {
        const pid_t child = fork();
        if (child == 0)
            _exit(saveNewClients(program, clients_.path() + u'/', log(program)));
        return child;
    }
    QStringList clientFiles() const {
        return QDir(clients_.path()).entryList({QStringLiteral("*.kvr")}, QDir::Files);
    }

    QTemporaryDir clients_;
    QTemporaryDir logs_;
};
} // namespace

TEST_F(ConcurrentNewClients, TwoProgramsSavingAtOnceKeepEveryClient) {
    const pid_t first = start('A');
    const pid_t second = start('B');
    EXPECT_EQ(waitFor(first), 0) << "a save of the first program failed";
    EXPECT_EQ(waitFor(second), 0) << "a save of the second program failed";
    int saved = 0;
    expectLoggedClientsIntact(log('A'), saved);
    expectLoggedClientsIntact(log('B'), saved);
    EXPECT_EQ(saved, 2 * kClientsPerProgram);
    EXPECT_EQ(clientFiles().size(), 2 * kClientsPerProgram);
}

TEST_F(ConcurrentNewClients, ProgramsKilledWhileSavingNeverReplaceAClient) {
    QRandomGenerator random(20260611);
    for (int round = 0; round < 5; ++round) {
        emptyFolder();
        const pid_t first = start('A');
        const pid_t second = start('B');
        std::this_thread::sleep_for(std::chrono::milliseconds(random.bounded(20, 200)));
        kill(first, SIGKILL);
        kill(second, SIGKILL);
        waitFor(first);
        waitFor(second);
        int saved = 0;
        expectLoggedClientsIntact(log('A'), saved);
        expectLoggedClientsIntact(log('B'), saved);
        // What is not a logged client is at most the claimed, still empty file of a save the
        // kill cut short, or that save finished just before the kill.
        EXPECT_LE(clientFiles().size(), saved + 2) << "round " << round;
    }
}

// A new client whose file cannot be written completely (a full disk) is reported as failed
// and leaves no file behind; the folder stays as it was.
TEST_F(ConcurrentNewClients, ANewClientThatCannotBeWrittenLeavesNoFile) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{kFileSizeLimit, kFileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        ClientInfo client;
        FixedText::set(client.record.businessName, "Full Disk Deli");
        _exit(ClientStore::saveClient(client, QString(), clients_.path() + u'/') == kClientFileOk
                  ? 0
                  : 1);
    }
    const int status = waitFor(child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the failure was not reported";
    EXPECT_EQ(QDir(clients_.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}
