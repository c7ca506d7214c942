#include "update/UpdateCheck.h"

#include "support/TestFiles.h"
#include "support/UpdateTestServer.h"
#include "update/UpdateServer.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>

namespace {

class UpdateCheckAgainstServer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.isRunning()); }

    UpdateCheck check(const QString& versionFile, const QString& mode = QStringLiteral("plain")) {
        server.putFile(QStringLiteral("Update/VanVer.txt"), versionFile.toUtf8());
        return UpdateCheck::run(UpdateServer{server.baseUrl(mode)}, programFolder.path(),
                                runningVersion());
    }
    QString savedVersionFile() const {
        return programFolder.filePath(QStringLiteral("VanVer.txt"));
    }

    UpdateTestServer server;
    QTemporaryDir programFolder;
};

TEST_F(UpdateCheckAgainstServer, NothingIsFoundForTheRunningVersionOrAFourthPiece) {
    for (const char* version : {"2.0.97", "2.0.97.5", "2.0.96"}) {
        const UpdateCheck result = check(QStringLiteral("1\r\n%1\r\nvantrobe\r\n").arg(version));
        EXPECT_EQ(result.outcome, UpdateCheck::Outcome::NothingFound) << version;
        EXPECT_FALSE(QFileInfo::exists(savedVersionFile())) << version;
    }
}

TEST_F(UpdateCheckAgainstServer, ANewerVersionIsFoundAndItsFileSavedUnchanged) {
    for (const char* version : {"2.0.98", "2.1", "3", "2..1"}) {
        const QString text = QStringLiteral("1\r\n\r\n%1\r\n\r\nvantrobe\r\n").arg(version);
        const UpdateCheck result = check(text);
        EXPECT_EQ(result.outcome, UpdateCheck::Outcome::NewerFound) << version;
        EXPECT_EQ(result.versionFile.names[0], QStringLiteral("vantrobe"));
        EXPECT_EQ(TestFiles::readAll(savedVersionFile()), text.toUtf8());
    }
}

TEST_F(UpdateCheckAgainstServer, AFileWithoutALengthIsReadWhole) {
    EXPECT_EQ(check(QStringLiteral("1\n2.1\n"), QStringLiteral("nolength")).outcome,
              UpdateCheck::Outcome::NewerFound);
}

TEST_F(UpdateCheckAgainstServer, AFlagWithATrailingSpaceIsIncompatible) {
    EXPECT_EQ(check(QStringLiteral("1 \n2.1\nvantrobe\n")).outcome,
              UpdateCheck::Outcome::Incompatible);
    EXPECT_FALSE(QFileInfo::exists(savedVersionFile()));
}

TEST_F(UpdateCheckAgainstServer, AnErrorPageIsIncompatible) {
    EXPECT_EQ(check(QStringLiteral("1\n2.1\n"), QStringLiteral("error")).outcome,
              UpdateCheck::Outcome::Incompatible);
}

TEST_F(UpdateCheckAgainstServer, TheCredentialsTravelInTheAddress) {
    server.putFile(QStringLiteral("Update/VanVer.txt"), "1\n2.1\n");
    const UpdateCheck withoutCredentials = UpdateCheck::run(
        UpdateServer{server.baseUrlWithoutCredentials()}, programFolder.path(), runningVersion());
    EXPECT_EQ(withoutCredentials.outcome, UpdateCheck::Outcome::Incompatible);
}

TEST_F(UpdateCheckAgainstServer, AnOversizedVersionFileIsIncompatible) {
    const QString text = QStringLiteral("1\n2.1\n") + QString(UpdateVersionFile::kMaxBytes, u'x');
    EXPECT_EQ(check(text).outcome, UpdateCheck::Outcome::Incompatible);
}

TEST_F(UpdateCheckAgainstServer, AnUnreachableServerFindsNothing) {
    const UpdateCheck result = UpdateCheck::run(UpdateServer{QStringLiteral("http://127.0.0.1:1")},
                                                programFolder.path(), runningVersion());
    EXPECT_EQ(result.outcome, UpdateCheck::Outcome::NothingFound);
}

// Where the program cannot write its own folder, a newer version is reported as such (only an
// administrator can install it) and nothing is written. /proc takes no new file, whoever runs
// the test.
TEST_F(UpdateCheckAgainstServer, ANewerVersionForAFolderThatCannotBeWrittenSaysSo) {
    server.putFile(QStringLiteral("Update/VanVer.txt"), "1\n2.1\nvantrobe\n");
    const UpdateServer updateServer{server.baseUrl()};
    EXPECT_EQ(UpdateCheck::run(updateServer, QStringLiteral("/proc"), runningVersion()).outcome,
              UpdateCheck::Outcome::ProgramFolderReadOnly);
    server.putFile(QStringLiteral("Update/VanVer.txt"), "1\n2.0.97\nvantrobe\n");
    EXPECT_EQ(UpdateCheck::run(updateServer, QStringLiteral("/proc"), runningVersion()).outcome,
              UpdateCheck::Outcome::NothingFound);
}

// A server that sends the version file a byte a second is left when the check is cancelled.
TEST_F(UpdateCheckAgainstServer, ACancelledCheckStopsATricklingServer) {
    server.putFile(QStringLiteral("Update/VanVer.txt"), "1\n2.1\n" + QByteArray(600, '\n'));
    std::atomic<int> asked = 0;
    const UpdateCheck result =
        UpdateCheck::run(UpdateServer{server.baseUrl(QStringLiteral("trickle"))},
                         programFolder.path(), runningVersion(), [&asked] { return ++asked > 2; });
    EXPECT_EQ(result.outcome, UpdateCheck::Outcome::NothingFound);
    EXPECT_GT(asked, 2);
    EXPECT_FALSE(QFileInfo::exists(savedVersionFile()));
}

} // namespace
