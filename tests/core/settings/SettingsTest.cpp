#include "platform/Clock.h"
#include "settings/OptionsSettings.h"
#include "settings/PreparerInfoSettings.h"
#include "settings/SettingsStore.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace {
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { store().clear(); }
    void TearDown() override { Clock::release(); }
    static QSettings store() {
        return QSettings(SettingsStore::kOrganization, SettingsStore::kApplication);
    }
};
} // namespace

TEST_F(SettingsTest, FirstStartDefaults) {
    Clock::setFixed(QDateTime::fromSecsSinceEpoch(1120000000));
    const OptionsSettings options("/opt/vantrobe/");
    EXPECT_EQ(options.clientDataPath, "/opt/vantrobe/Clients/");
    EXPECT_EQ(options.destroyClientDataPermanently, 0);
    EXPECT_EQ(options.allowBlankForms, 0);
    EXPECT_EQ(options.printGasoholWorksheet, 0);
    EXPECT_EQ(options.printDateTaxPayer, 1);
    EXPECT_EQ(options.printDateTaxPreparer, 1);
    EXPECT_EQ(options.checkForUpdatesFrequency, 2);
    EXPECT_STREQ(kUpdateFrequencies[options.checkForUpdatesFrequency].text, "Week");
    EXPECT_EQ(options.timeOfLastUpdate, 1120000000);

    const PreparerInfoSettings preparer;
    EXPECT_TRUE(preparer.name.get().isEmpty());
    EXPECT_TRUE(preparer.phone.get().isEmpty());
}

// The first start's time of the last update check is kept: a later start, or another reader,
// does not take its own time for it.
TEST_F(SettingsTest, TheFirstStartsUpdateTimeIsStoredOnce) {
    Clock::setFixed(QDateTime::fromSecsSinceEpoch(1120000000));
    const OptionsSettings first("/opt/vantrobe/");
    EXPECT_EQ(store().value("Options/Options.TimeOfLastUpdate").toInt(), 1120000000);
    Clock::setFixed(QDateTime::fromSecsSinceEpoch(1130000000));
    EXPECT_EQ(OptionsSettings("/opt/vantrobe/").timeOfLastUpdate, 1120000000);
}

// A value set through one owner is in the store at once, and every other reader gets it in the
// same run: nothing waits for the owner to be destroyed.
TEST_F(SettingsTest, ValuesReachTheStoreWhenTheyAreSet) {
    OptionsSettings options("/opt/vantrobe/");
    options.clientDataPath = "/home/ann/Clients/";
    options.printDateTaxPayer = 0;
    options.checkForUpdatesFrequency = 3;
    PreparerInfoSettings preparer;
    preparer.name = "Ann Lee";
    preparer.phone = "(630) 678-0075";
    EXPECT_EQ(store().value("Options/Options.ClientDataPath").toString(), "/home/ann/Clients/");
    EXPECT_EQ(store().value("Options/Options.PrintdateTaxPayersignatureline").toInt(), 0);
    EXPECT_EQ(store().value("TaxPrepInfo/TaxPrepInfo.PhoneNum").toString(), "(630) 678-0075");

    const OptionsSettings reader("/elsewhere/");
    EXPECT_EQ(reader.clientDataPath.get(), "/home/ann/Clients/");
    EXPECT_EQ(reader.printDateTaxPayer, 0);
    EXPECT_EQ(reader.checkForUpdatesFrequency, 3);
    EXPECT_EQ(reader.printDateTaxPreparer, 1);
    EXPECT_EQ(PreparerInfoSettings().name.get(), "Ann Lee");
}

// A value changed in the store by someone else is what the owner reads next.
TEST_F(SettingsTest, AnOwnerReadsTheStoreAtEachUse) {
    const OptionsSettings options("/opt/vantrobe/");
    EXPECT_EQ(options.allowBlankForms, 0);
    SettingsStore::writeInt("Options", "Options.AllowBlankForms", 1);
    EXPECT_EQ(options.allowBlankForms, 1);
}

TEST_F(SettingsTest, UnreadableNumbersFallBackToTheirDefaults) {
    store().setValue("Options/Options.AllowBlankForms", "not a number");
    store().sync();
    const OptionsSettings options("/opt/vantrobe/");
    EXPECT_EQ(options.allowBlankForms, 0);
}
