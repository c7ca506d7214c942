#include "platform/PrivateTempFolder.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

namespace {

mode_t modeOf(const QString& path) {
    struct stat status {};
    EXPECT_EQ(lstat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
    return status.st_mode & 07777;
}

TEST(PrivateTempFolder, TheRunsFolderIsItsOwnAndOnlyItsUserMayEnter) {
    const QString folder = PrivateTempFolder::path();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_EQ(PrivateTempFolder::path(), folder) << "one folder for the whole run";
    const QFileInfo info(folder);
    EXPECT_EQ(info.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_TRUE(info.fileName().startsWith("Vantrobe-"));
    EXPECT_FALSE(info.isSymLink());
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(PrivateTempFolder::filePath("UnzippedEmf"), folder + "/UnzippedEmf");
}

TEST(PrivateTempFolder, NewFilesAndFoldersAreUniqueAndInsideIt) {
    const QString first = PrivateTempFolder::createFile("EMF");
    const QString second = PrivateTempFolder::createFile("EMF");
    const QString tiff = PrivateTempFolder::createFile("TIF", ".tif");
    const QByteArray bytes("page image\0bytes", 16);
    const QString filled = PrivateTempFolder::createFileWith("EMF", bytes);
    const QString folder = PrivateTempFolder::createFolder("PDF");
    for (const QString& path : {first, second, tiff, filled, folder}) {
        ASSERT_FALSE(path.isEmpty());
        EXPECT_EQ(QFileInfo(path).absolutePath(), PrivateTempFolder::path());
    }
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFileInfo(first).fileName().startsWith("EMF"));
    EXPECT_EQ(QFileInfo(first).size(), 0);
    EXPECT_TRUE(QFileInfo(tiff).fileName().startsWith("TIF"));
    EXPECT_TRUE(tiff.endsWith(".tif"));
    EXPECT_EQ(TestFiles::readAll(filled), bytes);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QFileInfo(folder).fileName().startsWith("PDF"));
    for (const QString& path : {first, second, tiff, filled})
        QFile::remove(path);
    QDir().rmdir(folder);
}

TEST(PrivateTempFolder, ARunFolderGoesWithEverythingInItWhenTheRunEnds) {
    QTemporaryDir parent;
    QString path;
    {
        const PrivateTempFolder::RunFolder run(parent.path());
        path = run.path();
        ASSERT_FALSE(path.isEmpty());
        QDir().mkpath(path + "/UnzippedEmf");
        TestFiles::writeAll(path + "/UnzippedEmf/EMF1.tmp", "page");
        TestFiles::writeAll(path + "/TIF123456.tif", "tiff");
    }
    EXPECT_FALSE(QFileInfo::exists(path));
}

// A run killed in the middle of an export leaves its folder; the next start removes it, and
// only it: a run going on, another user's folder, a link and other files stay.
class LeftoverTest : public ::testing::Test {
protected:
    // Makes a run folder with a TIFF in a child process that is then killed.
    QString killedRun() {
        int channel[2];
        EXPECT_EQ(pipe(channel), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(channel[0]);
            const auto* run = new PrivateTempFolder::RunFolder(parent.path());
            TestFiles::writeAll(run->path() + "/TIF123456.tif", "half a TIFF");
            const QByteArray path = QFile::encodeName(run->path()) + '\n';
            if (write(channel[1], path.constData(), size_t(path.size())) < 0)
                _exit(2);
            raise(SIGKILL);
        }
        close(channel[1]);
        char path[4096] = {};
        const ssize_t length = read(channel[0], path, sizeof path - 1);
        close(channel[0]);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status));
        return length > 0 ? QFile::decodeName(QByteArray(path, length - 1)) : QString();
    }
    QString made(const QString& name) {
        const QString path = QDir(parent.path()).filePath(name);
        QDir().mkpath(path);
        return path;
    }
    // An hour old.
    static void makeOld(const QString& path) {
        const time_t anHourAgo = time(nullptr) - 3600;
        const utimbuf old{anHourAgo, anHourAgo};
        ASSERT_EQ(utime(QFile::encodeName(path).constData(), &old), 0);
    }

    QTemporaryDir parent;
};

TEST_F(LeftoverTest, OnlyTheFoldersOfEndedRunsOfThisUserAreRemoved) {
    const QString killed = killedRun();
    ASSERT_FALSE(killed.isEmpty());
    ASSERT_TRUE(QFileInfo::exists(killed + "/TIF123456.tif"));
    const PrivateTempFolder::RunFolder going(parent.path());
    const QString lockless = made("Vantrobe-lockle");
    makeOld(lockless);
    const QString starting = made("Vantrobe-start1");
    const QString unrelated = made("Vantrobe notes");
    TestFiles::writeAll(unrelated + "/keep.txt", "keep");
    const QString target = made("elsewhere");
    TestFiles::writeAll(target + "/keep.txt", "keep");
    QFile::link(target, QDir(parent.path()).filePath("Vantrobe-link12"));
    QString foreign;
    if (getuid() == 0) {
        foreign = made("Vantrobe-other1");
        makeOld(foreign);
        ASSERT_EQ(chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
    }

    PrivateTempFolder::removeLeftovers(parent.path());

    EXPECT_FALSE(QFileInfo::exists(killed)) << "the killed run's folder";
    EXPECT_FALSE(QFileInfo::exists(lockless)) << "an old folder that never got its lock";
    EXPECT_TRUE(QFileInfo::exists(going.path() + "/run.lock")) << "a run going on";
    EXPECT_TRUE(QFileInfo(starting).isDir()) << "a run making its folder at this moment";
    EXPECT_TRUE(QFileInfo::exists(unrelated + "/keep.txt"));
    EXPECT_TRUE(QFileInfo(QDir(parent.path()).filePath("Vantrobe-link12")).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(target + "/keep.txt")) << "a link is never followed";
    if (!foreign.isEmpty()) {
        EXPECT_TRUE(QFileInfo(foreign).isDir()) << "another user's folder";
    }
}

} // namespace
