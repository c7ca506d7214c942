#include "update/UpdateJob.h"

#include "support/TestFiles.h"
#include "support/TestZip.h"
#include "support/UpdateTestServer.h"
#include "update/UpdateSignature.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A signed update on the local server, a temporary folder and a program folder of its own,
// and the job's reports.
class UpdateJobAgainstServer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.isRunning()); }

    // Zips the entries, serves the archive and a signature by `signer` of `signedBytes` (the
    // archive itself when empty).
    void publish(const std::vector<TestZip::Entry>& entries) {
        const QString zip = work.filePath(QStringLiteral("published.zip"));
        QFile::remove(zip);
        TestZip::write(zip, entries);
        publishBytes(TestFiles::readAll(zip));
    }
    void publishBytes(const QByteArray& archive) {
        server.putFile(QStringLiteral("Update/VantroUp.zip"), archive);
        server.putFile(QStringLiteral("Update/VantroUp.zip.sig"),
                       UpdateSignature::sign(archive, keys.secretKey));
    }

    UpdateJob::Outcome run(const QString& names, const QString& mode = QStringLiteral("plain"),
                           int deadlineSeconds = 1800) {
        UpdateJobSettings settings{UpdateServer{server.baseUrl(mode)}, keys.publicKey,
                                   temporaryFolder.path(), programFolder.path(), deadlineSeconds};
        versionText = ("1\n2.1\n" + names).toUtf8();
        UpdateJob job(settings, UpdateVersionFile::split(versionText), versionText);
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
    QStringList programFolderContent() const {
        return QDir(programFolder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    bool unpackFolderIsEmpty() const {
        return QDir(temporaryFolder.filePath(QStringLiteral("VANTROUP")))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
            .isEmpty();
    }

    UpdateTestServer server;
    UpdateSignature::KeyPair keys = UpdateSignature::generateKeyPair();
    QTemporaryDir work;
    QTemporaryDir temporaryFolder;
    QTemporaryDir programFolder;
    QByteArray versionText;
    std::vector<std::pair<QString, int>> progress;
    bool installing = false;
};

TEST_F(UpdateJobAgainstServer, StagesTheListedFilesOfASignedArchive) {
    publish({{"vantrobe", "new program", false, 0755},
             {"lib/libx.so", "new library"},
             {"readme.txt", "not listed"}});
    QDir(programFolder.path()).mkpath(QStringLiteral("Old/stale"));
    EXPECT_EQ(run(QStringLiteral("vantrobe\nlib/libx.so\nmissing.txt\n../escape\n")),
              UpdateJob::Outcome::Installed);
    EXPECT_TRUE(installing);
    EXPECT_EQ(TestFiles::readAll(staged(QStringLiteral("vantrobe"))), "new program");
    EXPECT_TRUE(QFileInfo(staged(QStringLiteral("vantrobe"))).isExecutable());
    EXPECT_EQ(TestFiles::readAll(staged(QStringLiteral("lib/libx.so"))), "new library");
    EXPECT_EQ(TestFiles::readAll(staged(QStringLiteral("VanVer.txt"))), versionText);
    EXPECT_FALSE(QFileInfo::exists(staged(QStringLiteral("readme.txt"))));
    EXPECT_TRUE(QDir(programFolder.filePath(QStringLiteral("Old")))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                    .isEmpty());
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().second, 100);
}

TEST_F(UpdateJobAgainstServer, StagesOnlyTheFirstTwentyOfTwentyFiveNames) {
    std::vector<TestZip::Entry> entries;
    QString names;
    for (int index = 1; index <= 25; ++index) {
        const QString name = QStringLiteral("file%1.txt").arg(index);
        entries.push_back({name, name.toUtf8()});
        names += name + u'\n';
    }
    publish(entries);
    ASSERT_EQ(run(names), UpdateJob::Outcome::Installed);
    EXPECT_TRUE(QFileInfo::exists(staged(QStringLiteral("file20.txt"))));
    EXPECT_FALSE(QFileInfo::exists(staged(QStringLiteral("file21.txt"))));
    EXPECT_EQ(QDir(programFolder.filePath(QStringLiteral("New"))).entryList(QDir::Files).size(),
              21); // the twenty names and VanVer.txt
}

TEST_F(UpdateJobAgainstServer, ShowsTheCountWhenTheServerSendsNoLength) {
    publishBytes(QByteArray(1536, 'z'));
    EXPECT_EQ(run(QStringLiteral("vantrobe\n"), QStringLiteral("nolength")),
              UpdateJob::Outcome::UnzipFailed);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().first, QStringLiteral("Downloaded 1.5 KB (total size unknown)"));
    for (const auto& [text, percent] : progress)
        EXPECT_EQ(percent, 0) << text.toStdString();
}

TEST_F(UpdateJobAgainstServer, ADownloadPastItsDeadlineFails) {
    publishBytes(QByteArray(64 * 1024, 'z'));
    EXPECT_EQ(run(QStringLiteral("vantrobe\n"), QStringLiteral("slow"), 1),
              UpdateJob::Outcome::DownloadFailed);
    EXPECT_FALSE(installing);
}

TEST_F(UpdateJobAgainstServer, ATamperedArchiveIsRefusedBeforeUnpacking) {
    publish({{"vantrobe", "new program"}});
    const QString zip = work.filePath(QStringLiteral("published.zip"));
    TestZip::write(zip + ".evil", {{"vantrobe", "evil program"}});
    server.putFile(QStringLiteral("Update/VantroUp.zip"), TestFiles::readAll(zip + ".evil"));
    EXPECT_EQ(run(QStringLiteral("vantrobe\n")), UpdateJob::Outcome::DownloadFailed);
    EXPECT_FALSE(installing);
    EXPECT_TRUE(unpackFolderIsEmpty());
    EXPECT_EQ(programFolderContent(), QStringList());
}

TEST_F(UpdateJobAgainstServer, AnArchiveSignedByAnotherKeyOrWithoutSignatureIsRefused) {
    const UpdateSignature::KeyPair published = keys;
    keys = UpdateSignature::generateKeyPair();
    publish({{"vantrobe", "new program"}});
    keys.publicKey = published.publicKey;
    EXPECT_EQ(run(QStringLiteral("vantrobe\n")), UpdateJob::Outcome::DownloadFailed);

    keys = published;
    publish({{"vantrobe", "new program"}});
    server.removeFile(QStringLiteral("Update/VantroUp.zip.sig"));
    EXPECT_EQ(run(QStringLiteral("vantrobe\n")), UpdateJob::Outcome::DownloadFailed);
    EXPECT_TRUE(unpackFolderIsEmpty());
    EXPECT_EQ(programFolderContent(), QStringList());
}

TEST_F(UpdateJobAgainstServer, ASignedArchiveWithUnsafeNamesIsNotUnpacked) {
    for (const QString& unsafe : {QStringLiteral("../escaped"), QStringLiteral("/tmp/escaped"),
                                  QStringLiteral("lib/../../escaped")}) {
        publish({{"vantrobe", "new program"}, {unsafe, "bad"}});
        EXPECT_EQ(run(QStringLiteral("vantrobe\n")), UpdateJob::Outcome::UnzipFailed);
        EXPECT_TRUE(unpackFolderIsEmpty());
        EXPECT_FALSE(QFileInfo::exists(temporaryFolder.filePath(QStringLiteral("escaped"))));
        EXPECT_EQ(programFolderContent(), QStringList());
    }
}

} // namespace
