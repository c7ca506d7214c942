#include "update/UpdateJob.h"

#include "support/ExternalTool.h"
#include "support/TestFiles.h"
#include "support/TestUpdates.h"
#include "support/UpdateTestServer.h"
#include "update/HttpTransfer.h"
#include "update/UpdateSignature.h"
#include "update/UpdaterLaunch.h"
#include "update/updater/StagedInstall.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const std::vector<TestZip::Entry> kRelease = {{"vantrobe", "new program", false, 0755},
                                              {"lib/libx.so", "new library"}};

// A signed update on the local server, a private work folder and a program folder of its
// own, and the job's reports.
class UpdateJobAgainstServer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.isRunning()); }

    void publish(const QByteArray& archive) {
        TestUpdates::publish(server, archive, keys.secretKey);
    }
    void publishRelease(const std::vector<TestZip::Entry>& files,
                        const QString& version = QStringLiteral("2.1")) {
        publish(TestUpdates::release(files, version));
    }

    UpdateJob::Outcome run(const QString& mode = QStringLiteral("plain"),
                           int deadlineSeconds = 1800,
                           const QString& announced = QStringLiteral("2.1")) {
        return runAgainst(UpdateServer{server.baseUrl(mode)}, deadlineSeconds, announced);
    }
    UpdateJob::Outcome runAgainst(const UpdateServer& updateServer, int deadlineSeconds = 1800,
                                  const QString& announced = QStringLiteral("2.1")) {
        UpdateJobSettings settings{updateServer, keys.publicKey, workFolder.path(),
                                   programFolder.path(), deadlineSeconds};
        settings.running = UpdateVersion::parse(QStringLiteral("2.0.97"));
        UpdateJob job(settings, UpdateVersion::parse(announced));
        QObject::connect(
            &job, &UpdateJob::progressChanged,
            [this](const QString& text, int percent) { progress.emplace_back(text, percent); });
        QObject::connect(&job, &UpdateJob::installing, [this] { installing = true; });
        UpdateJob::Outcome outcome{};
        QObject::connect(&job, &UpdateJob::finished,
                         [&outcome](UpdateJob::Outcome result) { outcome = result; });
        job.run();
        return outcome;
    }

    QString staged(const QString& name) const {
        return QDir(programFolder.path()).filePath(QStringLiteral("New/") + name);
    }
    QStringList stagedFiles() const {
        QStringList names;
        const QDir newFolder(programFolder.filePath(QStringLiteral("New")));
        QDirIterator files(newFolder.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            names << newFolder.relativeFilePath(files.next());
        names.sort();
        return names;
    }
    QStringList programFolderContent() const {
        return QDir(programFolder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    QStringList workFolderContent() const {
        QStringList names;
        QDirIterator files(workFolder.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            names << QDir(workFolder.path()).relativeFilePath(files.next());
        return names;
    }

    UpdateTestServer server;
    UpdateSignature::KeyPair keys = UpdateSignature::generateKeyPair();
    QTemporaryDir workFolder;
    QTemporaryDir programFolder;
    std::vector<std::pair<QString, int>> progress;
    bool installing = false;
};

TEST_F(UpdateJobAgainstServer, StagesExactlyTheFilesOfTheSignedManifest) {
    std::vector<TestZip::Entry> entries = kRelease;
    entries.push_back({"readme.txt", "in the archive, not in the manifest"});
    entries.push_back({"VanManifest.txt", TestUpdates::manifestFor(kRelease, "2.1")});
    publish(TestUpdates::zipped(entries));
    QDir(programFolder.path()).mkpath(QStringLiteral("Old/stale"));
    EXPECT_EQ(run(), UpdateJob::Outcome::Installed);
    EXPECT_TRUE(installing);
    EXPECT_EQ(stagedFiles(), (QStringList{"VanManifest.txt", "lib/libx.so", "vantrobe"}));
    EXPECT_EQ(TestFiles::readAll(staged(QStringLiteral("vantrobe"))), "new program");
    EXPECT_TRUE(QFileInfo(staged(QStringLiteral("vantrobe"))).isExecutable());
    EXPECT_EQ(TestFiles::readAll(staged(QStringLiteral("lib/libx.so"))), "new library");
    EXPECT_EQ(TestFiles::readAll(staged(QStringLiteral("VanManifest.txt"))),
              TestUpdates::manifestFor(kRelease, "2.1"));
    EXPECT_TRUE(QDir(programFolder.filePath(QStringLiteral("Old")))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                    .isEmpty());
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().second, 100);
}

TEST_F(UpdateJobAgainstServer, TheManifestIsNotLimitedToTheVersionFilesTwentyNames) {
    std::vector<TestZip::Entry> files;
    for (int index = 1; index <= 25; ++index) {
        const QString name = QStringLiteral("file%1.txt").arg(index);
        files.push_back({name, name.toUtf8()});
    }
    publishRelease(files);
    ASSERT_EQ(run(), UpdateJob::Outcome::Installed);
    EXPECT_EQ(stagedFiles().size(), 26); // the 25 files and the manifest
}

// What decides the install is signed: an archive whose manifest is missing, damaged, of
// another version than announced, not newer than the running one, or describing other bytes
// than it holds, is refused however well it is signed, and nothing is staged.
TEST_F(UpdateJobAgainstServer, AnArchiveWhoseManifestDoesNotFitIsRefused) {
    std::vector<TestZip::Entry> tampered = kRelease;
    tampered.push_back({"VanManifest.txt", TestUpdates::manifestFor(kRelease, "2.1")});
    tampered[0].bytes = "another program";
    std::vector<TestZip::Entry> listsMissing = {kRelease[0]};
    listsMissing.push_back({"VanManifest.txt", TestUpdates::manifestFor(kRelease, "2.1")});
    const struct {
        const char* what;
        QByteArray archive;
        const char* announced;
    } cases[] = {
        {"an older signed release announced as newer", TestUpdates::release(kRelease, "2.0.90"),
         "2.1"},
        {"a release of another version than announced", TestUpdates::release(kRelease, "2.2"),
         "2.1"},
        {"a release of the running version", TestUpdates::release(kRelease, "2.0.97"), "2.0.97"},
        {"no manifest", TestUpdates::zipped(kRelease), "2.1"},
        {"a damaged manifest",
         TestUpdates::zipped({kRelease[0], {"VanManifest.txt", "Vantrobe update manifest 1\n"}}),
         "2.1"},
        {"a file that differs from its manifest line", TestUpdates::zipped(tampered), "2.1"},
        {"a listed file missing from the archive", TestUpdates::zipped(listsMissing), "2.1"},
    };
    for (const auto& [what, archive, announced] : cases) {
        publish(archive);
        EXPECT_EQ(run(QStringLiteral("plain"), 1800, QLatin1String(announced)),
                  UpdateJob::Outcome::Refused)
            << what;
        EXPECT_EQ(programFolderContent(), QStringList()) << what;
    }
}

TEST_F(UpdateJobAgainstServer, ShowsTheCountWhenTheServerSendsNoLength) {
    publish(QByteArray(1536, 'z'));
    EXPECT_EQ(run(QStringLiteral("nolength")), UpdateJob::Outcome::UnzipFailed);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().first, QStringLiteral("Downloaded 1.5 KB (total size unknown)"));
    for (const auto& [text, percent] : progress)
        EXPECT_EQ(percent, 0) << text.toStdString();
}

TEST_F(UpdateJobAgainstServer, ADownloadPastItsDeadlineFails) {
    publish(QByteArray(64 * 1024, 'z'));
    EXPECT_EQ(run(QStringLiteral("slow"), 1), UpdateJob::Outcome::DownloadFailed);
    EXPECT_FALSE(installing);
}

// An error page is a failed download: its size is never shown as the download's, and no
// file is left behind.
TEST_F(UpdateJobAgainstServer, AnHttpErrorIsAFailedDownloadNeverASize) {
    publishRelease(kRelease);
    server.removeFile(QStringLiteral("Update/VantroUp.zip"));
    for (const char* mode : {"error", "plain"}) { // a 500 page, then a 404 page
        EXPECT_EQ(run(QLatin1String(mode)), UpdateJob::Outcome::DownloadFailed) << mode;
        EXPECT_TRUE(progress.empty()) << mode << ": " << progress.front().first.toStdString();
        EXPECT_EQ(workFolderContent(), QStringList()) << mode;
        EXPECT_EQ(programFolderContent(), QStringList()) << mode;
    }
}

TEST_F(UpdateJobAgainstServer, ATamperedArchiveIsRefusedBeforeUnpacking) {
    publishRelease(kRelease);
    server.putFile(QStringLiteral("Update/VantroUp.zip"),
                   TestUpdates::release({{"vantrobe", "evil program"}}, "2.1"));
    EXPECT_EQ(run(), UpdateJob::Outcome::DownloadFailed);
    EXPECT_FALSE(installing);
    EXPECT_EQ(workFolderContent(), QStringList());
    EXPECT_EQ(programFolderContent(), QStringList());
}

TEST_F(UpdateJobAgainstServer, AnArchiveSignedByAnotherKeyOrWithoutSignatureIsRefused) {
    const UpdateSignature::KeyPair published = keys;
    keys = UpdateSignature::generateKeyPair();
    publishRelease(kRelease);
    keys.publicKey = published.publicKey;
    EXPECT_EQ(run(), UpdateJob::Outcome::DownloadFailed);

    keys = published;
    publishRelease(kRelease);
    server.removeFile(QStringLiteral("Update/VantroUp.zip.sig"));
    EXPECT_EQ(run(), UpdateJob::Outcome::DownloadFailed);
    EXPECT_EQ(workFolderContent(), QStringList());
    EXPECT_EQ(programFolderContent(), QStringList());
}

TEST_F(UpdateJobAgainstServer, ASignedArchiveWithUnsafeNamesIsNotUnpacked) {
    for (const QString& unsafe : {QStringLiteral("../escaped"), QStringLiteral("/tmp/escaped"),
                                  QStringLiteral("lib/../../escaped")}) {
        publish(TestUpdates::zipped({{"vantrobe", "new program"}, {unsafe, "bad"}}));
        EXPECT_EQ(run(), UpdateJob::Outcome::UnzipFailed);
        EXPECT_EQ(workFolderContent(), QStringList());
        EXPECT_FALSE(QFileInfo::exists(workFolder.filePath(QStringLiteral("escaped"))));
        EXPECT_EQ(programFolderContent(), QStringList());
    }
}

// Redirects are followed only so far, and only to http or https; never from https to http.
TEST_F(UpdateJobAgainstServer, ARedirectLoopIsCutShort) {
    publishRelease(kRelease);
    EXPECT_EQ(run(QStringLiteral("loop")), UpdateJob::Outcome::DownloadFailed);
    EXPECT_LE(server.requests().size(), 1 + HttpTransfer::kMaxRedirects);
    EXPECT_EQ(programFolderContent(), QStringList());
}

TEST_F(UpdateJobAgainstServer, ARedirectToAnotherProtocolIsRefused) {
    const QString local = workFolder.filePath(QStringLiteral("served"));
    QDir().mkpath(local + QStringLiteral("/Update"));
    TestFiles::writeAll(local + QStringLiteral("/Update/VantroUp.zip"),
                        TestUpdates::release(kRelease, "2.1"));
    publishRelease(kRelease);
    server.redirectTo(QStringLiteral("file://") + local);
    EXPECT_EQ(run(QStringLiteral("redirect")), UpdateJob::Outcome::DownloadFailed);
    EXPECT_EQ(programFolderContent(), QStringList());
}

TEST_F(UpdateJobAgainstServer, ARedirectFromHttpsToHttpIsRefused) {
    UpdateTestServer secure(UpdateTestServer::Scheme::Https);
    ASSERT_TRUE(secure.isRunning());
    publishRelease(kRelease);
    TestUpdates::publish(secure, TestUpdates::release(kRelease, "2.1"), keys.secretKey);
    // The same release straight from the https server installs, so only the redirect fails.
    EXPECT_EQ(runAgainst(UpdateServer{secure.baseUrl(), secure.certificateFile()}),
              UpdateJob::Outcome::Installed);
    secure.redirectTo(server.baseUrl());
    EXPECT_EQ(runAgainst(UpdateServer{secure.baseUrl(QStringLiteral("redirect")),
                                      secure.certificateFile()}),
              UpdateJob::Outcome::DownloadFailed);
    EXPECT_TRUE(server.requests().isEmpty()) << server.requests().join(u' ').toStdString();
}

// A release built by the release command installs: the program stages it and the installer
// moves it into place.
TEST_F(UpdateJobAgainstServer, AReleaseMadeByTheReleaseCommandInstalls) {
    QTemporaryDir release;
    const QDir files(release.filePath(QStringLiteral("files")));
    files.mkpath(QStringLiteral("lib"));
    TestFiles::writeAll(files.filePath(QStringLiteral("vantrobe")), "new program");
    QFile::setPermissions(files.filePath(QStringLiteral("vantrobe")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    TestFiles::writeAll(files.filePath(QStringLiteral("lib/libx.so")), "new library");
    TestFiles::writeAll(release.filePath(QStringLiteral("secret.key")), keys.secretKey.toHex());
    const QString out = release.filePath(QStringLiteral("out"));
    const ExternalTool::Run made = ExternalTool::run(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("updatekey")),
        {QStringLiteral("release"), release.filePath(QStringLiteral("secret.key")),
         QStringLiteral("2.1.0"), files.path(), out});
    ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
    EXPECT_EQ(TestFiles::readAll(out + QStringLiteral("/VanVer.txt")),
              "1\r\n2.1.0\r\nlib/libx.so\r\nvantrobe\r\n");
    server.putFile(QStringLiteral("Update/VantroUp.zip"),
                   TestFiles::readAll(out + QStringLiteral("/VantroUp.zip")));
    server.putFile(QStringLiteral("Update/VantroUp.zip.sig"),
                   TestFiles::readAll(out + QStringLiteral("/VantroUp.zip.sig")));
    TestFiles::writeAll(programFolder.filePath(QStringLiteral("vantrobe")), "old program");

    ASSERT_EQ(run(), UpdateJob::Outcome::Installed);
    ASSERT_TRUE(StagedInstall::install(programFolder.path()));
    EXPECT_EQ(TestFiles::readAll(programFolder.filePath(QStringLiteral("vantrobe"))),
              "new program");
    EXPECT_TRUE(QFileInfo(programFolder.filePath(QStringLiteral("vantrobe"))).isExecutable());
    EXPECT_EQ(TestFiles::readAll(programFolder.filePath(QStringLiteral("lib/libx.so"))),
              "new library");
    EXPECT_EQ(TestFiles::readAll(programFolder.filePath(QStringLiteral("Old/vantrobe"))),
              "old program");
}

} // namespace
