#include "app/GlobalDoc.h"

#include "clients/ClientFile.h"
#include "platform/FixedText.h"
#include "settings/MailSettings.h"
#include "settings/OptionsSettings.h"
#include "settings/SettingsStore.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class GlobalDocTest : public ::testing::Test {
protected:
    GlobalDocTest() {
        store().clear();
        options.clientDataPath = dir.path() + u'/';
        document.setOptions(&options);
    }
    ~GlobalDocTest() override { store().clear(); }
    static QSettings store() {
        return QSettings(SettingsStore::kOrganization, SettingsStore::kApplication);
    }

    QTemporaryDir dir;
    OptionsSettings options{QStringLiteral("/unused/")};
    CGlobalDoc document;
};

TEST_F(GlobalDocTest, LoadsTheSalesTaxTableOrSaysWhyNot) {
    EXPECT_EQ(document.loadSharedData(dir.filePath(QStringLiteral("Data.tbl"))),
              CGlobalDoc::LoadResult::TaxTableFailed);
    EXPECT_EQ(document.loadSharedData(TestPaths::source(QStringLiteral("resources/Data.tbl"))),
              CGlobalDoc::LoadResult::Loaded);
    EXPECT_GT(document.taxTable().count(), 0);
}

TEST_F(GlobalDocTest, NewClientNamesFollowTheCurrentOptionsFolder) {
    QString name;
    EXPECT_EQ(document.newClientFileName(name), 0);
    EXPECT_EQ(name, dir.path() + QStringLiteral("/Vtb00001.kvr"));
    QTemporaryDir other;
    options.clientDataPath = other.path() + u'/';
    document.newClientFileName(name);
    EXPECT_EQ(name, other.path() + QStringLiteral("/Vtb00002.kvr"));
    EXPECT_EQ(document.clientDataFolder(), other.path() + u'/');
}

TEST_F(GlobalDocTest, SavingANewClientChoosesItsNameAndAFailureKeepsThePathEmpty) {
    ClientInfo client;
    FixedText::set(client.record.businessName, QStringLiteral("Prairie Books"));
    EXPECT_EQ(document.saveClient(client, QString()), 0);
    EXPECT_EQ(client.path, dir.path() + QStringLiteral("/Vtb00001.kvr"));
    EXPECT_TRUE(QFile::exists(client.path));

    ClientInfo unsaved;
    options.clientDataPath = dir.path() + QStringLiteral("/missing/");
    EXPECT_EQ(document.saveClient(unsaved, QString()), kClientFileCannotOpen);
    EXPECT_TRUE(unsaved.path.isEmpty());
}

TEST(MailSettings, DefaultsAndValuesSurviveTheOwner) {
    QSettings(SettingsStore::kOrganization, SettingsStore::kApplication).clear();
    {
        MailSettings mail;
        EXPECT_EQ(mail.server, QString());
        EXPECT_EQ(mail.port, 587);
        EXPECT_EQ(mail.useTls, 1);
        mail.server = QStringLiteral("smtp.example.test");
        mail.port = 2525;
        mail.useTls = 0;
        mail.user = QStringLiteral("dana");
        mail.sender = QStringLiteral("dana@example.test");
    }
    MailSettings again;
    EXPECT_EQ(again.server, QStringLiteral("smtp.example.test"));
    EXPECT_EQ(again.port, 2525);
    EXPECT_EQ(again.useTls, 0);
    EXPECT_EQ(again.user, QStringLiteral("dana"));
    EXPECT_EQ(again.sender, QStringLiteral("dana@example.test"));
}
} // namespace
