#include "update/UpdateCheck.h"

#include "support/TestFiles.h"
#include "support/UpdateTestServer.h"
#include "update/HttpTransfer.h"
#include "update/UpdateServer.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class UpdateCheckAgainstServer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.isRunning()); }

    UpdateCheck check(const QString& versionFile, const QString& mode = QStringLiteral("plain")) {
        server.putFile(QStringLiteral("Update/VanVer.txt"), versionFile.toUtf8());
        return UpdateCheck::run(UpdateServer{server.baseUrl(mode)}.versionFileUrl(),
                                programFolder.path(), runningVersion());
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
    const UpdateCheck withoutCredentials =
        UpdateCheck::run(UpdateServer{server.baseUrlWithoutCredentials()}.versionFileUrl(),
                         programFolder.path(), runningVersion());
    EXPECT_EQ(withoutCredentials.outcome, UpdateCheck::Outcome::Incompatible);
}

TEST_F(UpdateCheckAgainstServer, AnOversizedVersionFileIsIncompatible) {
    const QString text = QStringLiteral("1\n2.1\n") + QString(UpdateVersionFile::kMaxBytes, u'x');
    EXPECT_EQ(check(text).outcome, UpdateCheck::Outcome::Incompatible);
}

TEST_F(UpdateCheckAgainstServer, AnUnreachableServerFindsNothing) {
    const UpdateCheck result =
        UpdateCheck::run(QStringLiteral("http://127.0.0.1:1/plain/Update/VanVer.txt"),
                         programFolder.path(), runningVersion());
    EXPECT_EQ(result.outcome, UpdateCheck::Outcome::NothingFound);
}

TEST_F(UpdateCheckAgainstServer, ADownloadFailsOnAnErrorStatus) {
    const QString path = programFolder.filePath(QStringLiteral("out.bin"));
    const auto progress = [](quint64, quint64) { return true; };
    EXPECT_FALSE(
        HttpTransfer::download(UpdateServer{server.baseUrl(QStringLiteral("error"))}.archiveUrl(),
                               path, 1 << 20, progress));
    EXPECT_FALSE(HttpTransfer::download(UpdateServer{server.baseUrl()}.archiveUrl(), path, 1 << 20,
                                        progress));
}

} // namespace
