#include "platform/Clock.h"
#include "settings/OptionsSettings.h"
#include "settings/PreparerInfoSettings.h"

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
    EXPECT_TRUE(preparer.name.isEmpty());
    EXPECT_TRUE(preparer.phone.isEmpty());
}

TEST_F(SettingsTest, ValuesAreWrittenBackWhenTheOwnerIsDestroyed) {
    {
        OptionsSettings options("/opt/vantrobe/");
        options.clientDataPath = "/home/ann/Clients/";
        options.printDateTaxPayer = 0;
        options.checkForUpdatesFrequency = 3;
        PreparerInfoSettings preparer;
        preparer.name = "Ann Lee";
        preparer.phone = "(630) 678-0075";
        EXPECT_FALSE(store().contains("TaxPrepInfo/TaxPrepInfo.Name")) << "nothing before exit";
    }
    EXPECT_EQ(store().value("Options/Options.ClientDataPath").toString(), "/home/ann/Clients/");
    EXPECT_EQ(store().value("Options/Options.PrintdateTaxPayersignatureline").toInt(), 0);
    EXPECT_EQ(store().value("TaxPrepInfo/TaxPrepInfo.PhoneNum").toString(), "(630) 678-0075");

    const OptionsSettings options("/elsewhere/");
    EXPECT_EQ(options.clientDataPath, "/home/ann/Clients/");
    EXPECT_EQ(options.printDateTaxPayer, 0);
    EXPECT_EQ(options.checkForUpdatesFrequency, 3);
    EXPECT_EQ(options.printDateTaxPreparer, 1);
    EXPECT_EQ(PreparerInfoSettings().name, "Ann Lee");
}

TEST_F(SettingsTest, UnreadableNumbersFallBackToTheirDefaults) {
    store().setValue("Options/Options.AllowBlankForms", "not a number");
    store().sync();
    const OptionsSettings options("/opt/vantrobe/");
    EXPECT_EQ(options.allowBlankForms, 0);
}
