#include "clients/backup/BackupCommands.h"

#include "clients/ClientFile.h"
#include "clients/ClientList.h"
#include "clients/backup/BackupDialog.h"
#include "platform/FixedText.h"
#include "settings/SettingsStore.h"
#include "support/TestPaths.h"
#include "ui/ui/wizard/UiTestHelpers.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class BackupCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings(SettingsStore::kOrganization, SettingsStore::kApplication).clear();
        folder = store.path() + '/';
    }
    void listClient(const char* name, const QString& fileName) {
        ClientInfo client;
        FixedText::set(client.record.businessName, name);
        client.path = folder + fileName;
        ASSERT_EQ(writeClientFile(client, client.path), kClientFileOk);
        clients.add(client);
    }

    ScriptedMessages messages;
    QTemporaryDir store;
    QTemporaryDir elsewhere;
    QString folder;
    ClientList clients;
};

TEST_F(BackupCommandsTest, TheDialogListsTheNamesSortedAndStartsOnTheFirst) {
    BackupDialog dialog({"delta", "Bravo", "alpha"}, BackupDialog::defaultTargetPath());
    QStringList shown;
    for (int index = 0; index < dialog.nameBox()->count(); ++index)
        shown.append(dialog.nameBox()->itemText(index));
    EXPECT_EQ(shown, QStringList({"alpha", "Bravo", "delta"}));
    EXPECT_EQ(dialog.clientName(), "alpha");
    EXPECT_TRUE(dialog.targetPath().endsWith("/Client1.kvr"));

    BackupDialog none({}, "x.kvr");
    EXPECT_EQ(none.clientName(), QString());
}

TEST_F(BackupCommandsTest, BackupReportsSuccessAndEachKindOfFailure) {
    listClient("Acme", "Vtb00001.kvr");
    backupClient(nullptr, clients, "", elsewhere.filePath("none.kvr"));
    EXPECT_TRUE(messages.shown.isEmpty());

    backupClient(nullptr, clients, "Acme", elsewhere.filePath("acme.kvr"));
    backupClient(nullptr, clients, "Nobody", elsewhere.filePath("nobody.kvr"));
    backupClient(nullptr, clients, "Acme", elsewhere.filePath("no/folder/acme.kvr"));
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.shown[0], "Client data was backup successfully");
    EXPECT_EQ(messages.shown[1], "Backup failed");
    EXPECT_TRUE(messages.shown[2].startsWith(
        "Backup failed:\n" + QDir::toNativeSeparators(elsewhere.filePath("no/folder/acme.kvr")) +
        ": "))
        << messages.shown[2].toStdString();
    EXPECT_GT(messages.shown[2].size(), QString("Backup failed:\n").size());
    EXPECT_EQ(messages.icons[2], MessageIcon::Stop);
    EXPECT_TRUE(QFile::exists(elsewhere.filePath("acme.kvr")));
}

TEST_F(BackupCommandsTest, RestoreRoundTripAndItsMessages) {
    listClient("Acme", "Vtb00001.kvr");
    const QString copy = elsewhere.filePath("acme.kvr");
    backupClient(nullptr, clients, "Acme", copy);
    messages.clear();

    messages.answers = {false};
    EXPECT_EQ(restoreClientFrom(nullptr, clients, folder, copy), -1);
    EXPECT_EQ(messages.asked, QStringList({"Client already exists, would like to update his or "
                                           "her information?"}));
    EXPECT_TRUE(messages.shown.isEmpty());

    const int row = restoreClientFrom(nullptr, clients, folder, copy);
    ASSERT_GE(row, 0);
    EXPECT_EQ(messages.shown, QStringList({"Client data was restored successfully from\n" +
                                           QDir::toNativeSeparators(copy)}));
    // Replacing the listed client's data is never the default answer.
    EXPECT_EQ(messages.noDefaults, std::vector<bool>({true, true}));
    EXPECT_EQ(clients.size(), 1);
    EXPECT_EQ(clients.at(row).path, folder + "Vtb00002.kvr");
    EXPECT_FALSE(QFile::exists(folder + "Vtb00001.kvr"));

    messages.clear();
    EXPECT_EQ(restoreClientFrom(nullptr, clients, folder,
                                TestPaths::shared("fixtures/clients/version-3.kvr")),
              -1);
    const QString notAClient = TestPaths::shared("fixtures/clients/version-3.kvr");
    EXPECT_EQ(messages.shown, QStringList({"Restoring client data failed:\nThe file you selected "
                                           "is either corrupted or is not a Vantrobe file\n" +
                                           QDir::toNativeSeparators(notAClient)}));

    messages.clear();
    EXPECT_EQ(restoreClientFrom(nullptr, clients, folder + "missing/", copy), -1);
    EXPECT_EQ(messages.shown, QStringList({"An Error occurred while trying to restore client\n" +
                                           QDir::toNativeSeparators(copy) + "\ninto the folder " +
                                           QDir::toNativeSeparators(folder + "missing/")}));
    EXPECT_EQ(clients.size(), 1);
}
} // namespace
