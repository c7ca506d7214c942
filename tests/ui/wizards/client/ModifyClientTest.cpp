#include "ui/wizards/client/ClientWizardFixture.h"

#include <QDir>
#include <QFile>
#include <QTimer>

namespace {
class ModifyClientTest : public ClientWizardFixture {
protected:
    ClientInfo singleSite(const char* name, const char* phone) {
        ClientInfo client;
        FixedText::set(client.record.businessName, name);
        FixedText::set(client.record.address1, "1 Road");
        FixedText::set(client.record.city, "Quincy");
        FixedText::set(client.record.zipCode, "62301");
        FixedText::set(client.record.phone, phone);
        FixedText::set(client.record.locationCode, "001-0001-6");
        FixedText::set(client.record.ibtNumber, "1234-5678");
        FixedText::set(client.record.email, "old@client.com");
        return client;
    }
    // Runs the modify wizard on `row`, letting `script` change things before Finish.
    int modify(int row, const std::function<void()>& script) {
        driveWizard(script);
        return runModifyClientWizard(nullptr, context, row);
    }
    ClientWizardContext context{table, clients, QString()};
};

TEST_F(ModifyClientTest, TheRowKeepsItsPlaceAndTheCalculationMethodItsValue) {
    listClient(singleSite("Alpha", "(111) 111-1111"), "Vtb00001.kvr");
    ClientInfo beta = singleSite("Beta", "(222) 222-2222");
    beta.record.calculationMethod = 1;
    listClient(beta, "Vtb00002.kvr");
    listClient(singleSite("Gamma", "(333) 333-3333"), "Vtb00003.kvr");

    const int row = modify(1, [this] {
        next();
        next();
        // Its own name is no duplicate in modify mode.
        EXPECT_EQ(businessFields()->edit(SiteFieldsForm::Name)->text(), "Beta");
        typeInto(businessFields()->edit(SiteFieldsForm::Phone), "2175550199");
        nextUntil(StepKeys::kFinish);
    });
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
    EXPECT_EQ(row, 1);
    EXPECT_EQ(clients.nameAt(1), "Beta");
    EXPECT_EQ(clients.at(1).phone, "(217) 555-0199");

    ClientInfo saved;
    ASSERT_EQ(readClientFile(folder + "Vtb00002.kvr", saved), kClientFileOk);
    EXPECT_EQ(saved.record.calculationMethod, 1);
    EXPECT_EQ(FixedText::get(saved.record.phone), "(217) 555-0199");
    EXPECT_EQ(FixedText::get(saved.record.email), "old@client.com");
}

// The wizard works on the client's record as its file holds it now, not as it was when the list
// was loaded; a file that is gone since is said plainly and nothing opens.
TEST_F(ModifyClientTest, TheWizardOpensOnTheCurrentFileAndAVanishedFileIsSaid) {
    ClientInfo alpha = singleSite("Alpha", "(111) 111-1111");
    listClient(alpha, "Vtb00001.kvr");
    alpha.path = folder + "Vtb00001.kvr";
    FixedText::set(alpha.record.phone, "(444) 444-4444");
    ASSERT_EQ(writeClientFile(alpha, alpha.path), kClientFileOk);
    QString shownPhone;
    modify(0, [this, &shownPhone] {
        next();
        next();
        shownPhone = businessFields()->edit(SiteFieldsForm::Phone)->text();
    });
    EXPECT_EQ(shownPhone, "(444) 444-4444");

    ASSERT_TRUE(QFile::remove(alpha.path));
    // A wizard that opened in spite of the vanished file is closed by this poll, which ends
    // with the test, so it never catches a later test's wizard.
    bool wizardOpened = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&wizardOpened] {
        if (auto* running = qobject_cast<ClientWizard*>(QApplication::activeModalWidget())) {
            wizardOpened = true;
            running->reject();
        }
    });
    poll.start(5);
    EXPECT_EQ(runModifyClientWizard(nullptr, context, 0), -1);
    EXPECT_FALSE(wizardOpened);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.value(0).contains("could not be read"))
        << messages.shown.join('|').toStdString();
    EXPECT_EQ(clients.size(), 1);
}

TEST_F(ModifyClientTest, RemovingAMiddleLocationStoresExactlyTheOthers) {
    ClientInfo client;
    client.record.multiSite = 1;
    client.record.locationCount = 3;
    for (int index = 0; index < 3; ++index) {
        ClientLocation& location = client.record.locations[index];
        FixedText::set(location.name, QStringLiteral("Site %1").arg(index + 1));
        FixedText::set(location.locationCode, "016-0001-1");
    }
    FixedText::set(client.record.ibtNumber, "1234-5678");
    FixedText::set(client.record.email, "sites@client.com");
    const int listed = listClient(client, "Vtb00001.kvr");

    const int row = modify(listed, [this] {
        next();
        next();
        ASSERT_EQ(activeKey(), StepKeys::kLocations);
        EXPECT_EQ(shownLocations(), QStringList({"1 Site 1", "2 Site 2", "3 Site 3"}));
        selectLocation(1);
        locations()->removeButton()->click();
        nextUntil(StepKeys::kFinish);
    });
    ASSERT_EQ(row, listed);
    ClientInfo saved;
    ASSERT_EQ(readClientFile(folder + "Vtb00001.kvr", saved), kClientFileOk);
    EXPECT_EQ(saved.record.locationCount, 2);
    EXPECT_EQ(FixedText::get(saved.record.locations[0].name), "Site 1");
    EXPECT_EQ(FixedText::get(saved.record.locations[1].name), "Site 3");
    EXPECT_EQ(saved.record.locations[2].name[0], '\0');
    EXPECT_EQ(FixedText::get(saved.record.email), "sites@client.com");
}

TEST_F(ModifyClientTest, ARenamedClientMovesToItsSortedPlace) {
    listClient(singleSite("Alpha", ""), "Vtb00001.kvr");
    listClient(singleSite("Beta", ""), "Vtb00002.kvr");
    const int row = modify(0, [this] {
        next();
        next();
        typeInto(businessFields()->edit(SiteFieldsForm::Name), "Zeta");
        nextUntil(StepKeys::kFinish);
    });
    EXPECT_EQ(row, 1);
    EXPECT_EQ(clients.nameAt(1), "Zeta");
    EXPECT_EQ(clients.at(1).path, folder + "Vtb00001.kvr");
}

TEST_F(ModifyClientTest, NoSelectionIsToldAndCancelChangesNothing) {
    EXPECT_EQ(runModifyClientWizard(nullptr, context, -1), -1);
    EXPECT_EQ(messages.shown, QStringList({"Please select a client from the list"}));
    listClient(singleSite("Alpha", ""), "Vtb00001.kvr");
    whenModalOpens<ClientWizard>([](ClientWizard* running) { running->reject(); });
    EXPECT_EQ(runModifyClientWizard(nullptr, context, 0), -1);
    EXPECT_EQ(clients.nameAt(0), "Alpha");
}

TEST_F(ModifyClientTest, AFailedSaveKeepsTheWizardOpenWithTheChangesUntilFinishWorks) {
    listClient(singleSite("Alpha", "(111) 111-1111"), "Vtb00001.kvr");
    const QString path = clients.at(0).path;
    bool stayedOpen = false;
    const int row = modify(0, [&] {
        // A folder in the file's place: the client file cannot be written until it is gone.
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(QDir().mkpath(path));
        next();
        next();
        typeInto(businessFields()->edit(SiteFieldsForm::Phone), "2175550199");
        nextUntil(StepKeys::kFinish);
        finish();
        stayedOpen = wizard->isVisible();
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_TRUE(messages.shown[0].startsWith(
            "An Error occurred while trying to save the changes of this client"));
        EXPECT_TRUE(messages.shown[0].contains(path)) << messages.shown[0].toStdString();
        QDir(path).removeRecursively();
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(row, 0);
    ClientInfo saved;
    ASSERT_EQ(readClientFile(path, saved), kClientFileOk);
    EXPECT_EQ(FixedText::get(saved.record.phone), "(217) 555-0199");
}
} // namespace
