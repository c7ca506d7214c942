#include "clients/backup/ClientBackup.h"

#include "clients/ClientFile.h"
#include "clients/ClientList.h"
#include "platform/FixedText.h"
#include "settings/SettingsStore.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray bytesOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

class ClientBackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings(SettingsStore::kOrganization, SettingsStore::kApplication).clear();
        folder = store.path() + '/';
    }
    // Writes a client of that name into the store and lists it.
    int listClient(const char* name, const char* fileName) {
        ClientInfo client;
        FixedText::set(client.record.businessName, name);
        client.path = folder + fileName;
        EXPECT_EQ(writeClientFile(client, client.path), kClientFileOk);
        return clients.add(client);
    }
    QString backupOf(const char* name) {
        const QString path = elsewhere.filePath(QString::fromLatin1(name) + ".kvr");
        EXPECT_FALSE(ClientBackup::copyClientFile(clients.at(clients.find(name)).path, path));
        return path;
    }
    ClientBackup::RestoreOutcome restore(const QString& path, bool answer = true) {
        asked = 0;
        return ClientBackup::restoreClient(path, clients, folder, [&] {
            ++asked;
            return answer;
        });
    }

    QTemporaryDir store;
    QTemporaryDir elsewhere;
    QString folder;
    ClientList clients;
    int asked = 0;
};

TEST_F(ClientBackupTest, BackupCopiesByteForByteAndReplacesAnExistingFile) {
    listClient("Acme", "Vtb00001.kvr");
    const QString target = elsewhere.filePath("copy.kvr");
    QFile old(target);
    old.open(QIODevice::WriteOnly);
    old.write(QByteArray(100000, 'x'));
    old.close();
    EXPECT_FALSE(ClientBackup::copyClientFile(folder + "Vtb00001.kvr", target));
    EXPECT_EQ(bytesOf(target), bytesOf(folder + "Vtb00001.kvr"));
}

TEST_F(ClientBackupTest, AFailedBackupGivesTheSystemTextAndLeavesNoFile) {
    listClient("Acme", "Vtb00001.kvr");
    const auto missingFolder =
        ClientBackup::copyClientFile(folder + "Vtb00001.kvr", elsewhere.filePath("no/such/x.kvr"));
    ASSERT_TRUE(missingFolder);
    EXPECT_FALSE(missingFolder->isEmpty());
    const auto missingSource =
        ClientBackup::copyClientFile(folder + "gone.kvr", elsewhere.filePath("x.kvr"));
    ASSERT_TRUE(missingSource);
    EXPECT_FALSE(QFile::exists(elsewhere.filePath("x.kvr")));
}

TEST_F(ClientBackupTest, RestoringAnUnlistedClientAddsItUnderANewName) {
    listClient("Acme", "Vtb00001.kvr");
    const QString copy = backupOf("Acme");
    clients.clear();
    QFile::remove(folder + "Vtb00001.kvr");

    const auto outcome = restore(copy);
    EXPECT_EQ(outcome.result, ClientBackup::RestoreResult::Restored);
    EXPECT_EQ(asked, 0);
    ASSERT_EQ(clients.size(), 1);
    EXPECT_EQ(clients.at(outcome.row).path, folder + "Vtb00001.kvr");
    EXPECT_EQ(bytesOf(folder + "Vtb00001.kvr"), bytesOf(copy));
}

TEST_F(ClientBackupTest, RestoringAListedClientReplacesItAfterAskingWithoutADelCopy) {
    listClient("Acme", "Vtb00003.kvr");
    listClient("Bolt", "Vtb00004.kvr");
    SettingsStore::writeInt("Private Data", "Client Count", 11);
    const QString copy = backupOf("Acme");

    const auto outcome = restore(copy);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(outcome.result, ClientBackup::RestoreResult::Restored);
    EXPECT_EQ(clients.size(), 2);
    EXPECT_EQ(clients.at(outcome.row).path, folder + "Vtb00012.kvr");
    EXPECT_FALSE(QFile::exists(folder + "Vtb00003.kvr"));
    EXPECT_FALSE(QFile::exists(folder + "Vtb00003.del"));
}

TEST_F(ClientBackupTest, DecliningTheReplacementChangesNothing) {
    listClient("Acme", "Vtb00001.kvr");
    const QString copy = backupOf("Acme");
    const auto outcome = restore(copy, false);
    EXPECT_EQ(outcome.result, ClientBackup::RestoreResult::Declined);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"Vtb00001.kvr"}));
    EXPECT_EQ(clients.size(), 1);
}

TEST_F(ClientBackupTest, AFailedSaveKeepsTheListedClientAndItsFile) {
    listClient("Acme", "Vtb00001.kvr");
    const QString copy = backupOf("Acme");
    folder = elsewhere.filePath("missing-folder/");
    const auto outcome = restore(copy);
    EXPECT_EQ(outcome.result, ClientBackup::RestoreResult::Failed);
    EXPECT_EQ(clients.size(), 1);
    EXPECT_TRUE(QFile::exists(store.path() + "/Vtb00001.kvr"));
}

TEST_F(ClientBackupTest, FilesThatAreNoClientFilesAreRefused) {
    for (const char* fixture : {"47-byte-file.kvr", "version-3.kvr",
                                "wrong-signature-40-bytes-step-2-before-step-3.kvr"}) {
        const auto outcome =
            restore(TestPaths::shared(QStringLiteral("fixtures/clients/") + fixture));
        EXPECT_EQ(outcome.result, ClientBackup::RestoreResult::NotAClientFile) << fixture;
    }
    EXPECT_EQ(restore(elsewhere.filePath("absent.kvr")).result,
              ClientBackup::RestoreResult::NotAClientFile);
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
}

TEST_F(ClientBackupTest, AVersionOneCopyIsRestoredAsVersionTwo) {
    const QString v1 = TestPaths::shared(
        "fixtures/clients/version-1-with-size-field-3744-file-holds-3744-bytes-and-mor.kvr");
    const auto outcome = restore(v1);
    ASSERT_EQ(outcome.result, ClientBackup::RestoreResult::Restored);
    const QString saved = clients.at(outcome.row).path;
    EXPECT_EQ(bytesOf(saved).size(), kClientRecordSize);
    ClientInfo original;
    ASSERT_EQ(readClientFile(v1, original), kClientFileOk);
    EXPECT_EQ(bytesOf(saved),
              QByteArray(reinterpret_cast<const char*>(&original.record), kClientRecordSize));
}
} // namespace
