#include "clients/HomeRuleCategory.h"
#include "letters/LetterGenerator.h"
#include "support/TestFiles.h"
#include "ui/wizards/client/ClientWizardFixture.h"

#include <QDir>
#include <QFile>
#include <array>

namespace {
QByteArray imageOf(const ClientRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

class NewClientTest : public ClientWizardFixture {
protected:
    // The single-site steps up to the transmittal step, with a KOB number too.
    void enterSingleSite(const TypedSite& site) {
        passBusinessAndTaxNumbers(site);
        typeInto(step<TaxNumberStep>(StepKeys::kTaxNumbers)->kobEdit(), "5812");
        next();
    }
    ClientWizardContext context{table, clients, QString()};
};

TEST_F(NewClientTest, ASingleSiteClientIsWrittenWithExactlyTheEnteredValues) {
    SettingsStore::writeInt("Private Data", "Client Count", 6);
    context.clientDataFolder = folder;
    driveWizard([this] {
        TypedSite site = named("Corner Store");
        site.address2 = "Suite 2";
        site.email = "owner@corner.com";
        enterSingleSite(site);
        EXPECT_EQ(activeKey(), StepKeys::kTransmittal);
        next();
        answer(StepKeys::kSoftDrinkTax, true);
        next();
        next();
        answer(StepKeys::kTireFee, true);
        next();
        answer(StepKeys::kMotorFuel, true);
        const auto& amounts = step<MotorFuelStep>(StepKeys::kMotorFuel)->amountEdits();
        typeInto(amounts[0], "2");
        typeInto(amounts[4], "15");
        next();
        answer(StepKeys::kDeductionGroup1, true);
        nextUntil(StepKeys::kFinish);
    });
    const int row = runNewClientWizard(nullptr, context);
    ASSERT_GE(row, 0);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();

    auto expected = std::make_unique<ClientRecord>();
    initClientRecord(*expected);
    FixedText::set(expected->businessName, "Corner Store");
    FixedText::set(expected->address1, "100 Main St");
    FixedText::set(expected->address2, "Suite 2");
    FixedText::set(expected->city, "Quincy");
    FixedText::set(expected->zipCode, "62301");
    FixedText::set(expected->phone, "(217) 555-0100");
    FixedText::set(expected->ibtNumber, "1234-5678");
    FixedText::set(expected->kobNumber, "5812");
    FixedText::set(expected->locationCode, "001-0001-6");
    ASSERT_TRUE(table.lookup("001-0001-6", expected->taxRecord));
    expected->filesST14 = 1;
    expected->filesST8 = 1;
    expected->motorFuel = {1, kHomeRuleCategoryTyped, 2, 0, 0, 0, 15};
    expected->deductionGroup1 = 1;
    FixedText::set(expected->email, "owner@corner.com");

    const QString path = folder + "Vtb00007.kvr";
    EXPECT_EQ(clients.at(row).path, path);
    EXPECT_EQ(TestFiles::readAll(path), imageOf(*expected));
    EXPECT_TRUE(QFile::exists(clientLetterPath(path)));
}

TEST_F(NewClientTest, AMultiSiteClientStoresItsLocationsInListOrder) {
    context.clientDataFolder = folder;
    driveWizard([this] {
        next();
        answer(StepKeys::kSiteKind, true);
        next();
        EXPECT_EQ(activeKey(), StepKeys::kLocations);
        TypedSite north = named("North Shop");
        north.email = "sites@corner.com";
        addLocation(north);
        TypedSite chicago = named("Chicago Shop");
        chicago.code = "01600011";
        chicago.email = north.email;
        addLocation(chicago);
        addLocation(TypedSite{"Naperville Shop", "9 Elm", "", "Naperville", "60540", "", "02200686",
                              north.email});
        EXPECT_EQ(shownLocations(),
                  QStringList({"1 North Shop", "2 Chicago Shop", "3 Naperville Shop"}));
        next();
        typeInto(step<TaxNumberStep>(StepKeys::kTaxNumbers)->ibtEdit(), "11112222");
        nextUntil(StepKeys::kMotorFuel);
        EXPECT_FALSE(step<MotorFuelStep>(StepKeys::kMotorFuel)->amountsShown());
        answer(StepKeys::kMotorFuel, true);
        nextUntil(StepKeys::kFinish);
    });
    const int row = runNewClientWizard(nullptr, context);
    ASSERT_GE(row, 0);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();

    ClientInfo saved;
    ASSERT_EQ(readClientFile(clients.at(row).path, saved), kClientFileOk);
    const ClientRecord& record = saved.record;
    EXPECT_EQ(record.multiSite, 1);
    EXPECT_EQ(clientName(record), "North Shop");
    ASSERT_EQ(record.locationCount, 3);
    const std::array<int, 3> categories = {kHomeRuleCategoryTyped, 0, 1};
    for (int index = 0; index < 3; ++index) {
        const ClientLocation& location = record.locations[index];
        EXPECT_EQ(location.locationNumber, index + 1);
        EXPECT_EQ(location.motorFuel.sellsMotorFuel, 1);
        EXPECT_EQ(location.motorFuel.homeRuleCategory, categories[index]);
    }
    EXPECT_EQ(FixedText::get(record.locations[1].name), "Chicago Shop");
    EXPECT_EQ(FixedText::get(record.locations[2].taxRecord.locationCode), "022-0068-6");
    EXPECT_EQ(record.locations[3].name[0], '\0');
    EXPECT_EQ(FixedText::get(record.email), "sites@corner.com");
    EXPECT_EQ(record.businessName[0], '\0');
    EXPECT_EQ(record.motorFuel.homeRuleCategory, kHomeRuleCategoryTyped);
}

// While the wizard runs, its client file name is claimed by an empty file, so another program
// sharing the folder takes another; cancelling gives the name up again.
TEST_F(NewClientTest, CancellingAsksWithNoAsTheDefaultAndSavesNothing) {
    context.clientDataFolder = folder;
    const auto clientFiles = [this] { return QDir(folder).entryList({"*.kvr"}, QDir::Files); };
    whenModalOpens<ClientWizard>([&](ClientWizard* running) {
        EXPECT_EQ(clientFiles(), QStringList{"Vtb00001.kvr"});
        running->reject();
    });
    EXPECT_EQ(runNewClientWizard(nullptr, context), -1);
    EXPECT_EQ(clients.size(), 0);
    EXPECT_EQ(clientFiles(), QStringList());
    EXPECT_EQ(messages.asked, QStringList({"Are you sure you want to cancel?"}));
    EXPECT_EQ(messages.noDefaults, std::vector<bool>{true});
}

TEST_F(NewClientTest, AFailedSaveKeepsTheWizardOpenWithTheEntriesUntilFinishWorks) {
    const QString missing = folder + "missing/";
    context.clientDataFolder = missing;
    bool stayedOpen = false;
    driveWizard([&] {
        enterSingleSite(named("Corner Store"));
        nextUntil(StepKeys::kFinish);
        finish();
        stayedOpen = wizard->isVisible();
        EXPECT_EQ(businessFields()->entry().name, "Corner Store");
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_TRUE(messages.shown[0].startsWith(
            "An Error occurred while trying to create a new client\n\n"));
        EXPECT_TRUE(messages.shown[0].contains(missing)) << messages.shown[0].toStdString();
        // The preparer mends the cause; the next Finish saves.
        QDir().mkpath(missing);
    });
    const int row = runNewClientWizard(nullptr, context);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(row, 0);
    EXPECT_EQ(clients.nameAt(0), "Corner Store");
    EXPECT_TRUE(QFile::exists(clients.at(0).path));
    EXPECT_TRUE(clients.at(0).path.startsWith(missing));
    EXPECT_EQ(messages.shown.size(), 1);
}
} // namespace
