#include "ui/wizards/client/ClientWizardFixture.h"

namespace {
class LocationsTest : public ClientWizardFixture {
protected:
    void toLocations() {
        next();
        answer(StepKeys::kSiteKind, true);
        next();
        ASSERT_EQ(activeKey(), StepKeys::kLocations);
    }
    // A multi-site client with `count` locations named L1, L2, ... and no stored numbers.
    ClientInfo multiSiteClient(int count) {
        ClientInfo client;
        client.record.multiSite = 1;
        client.record.locationCount = count;
        for (int index = 0; index < count; ++index) {
            ClientLocation& location = client.record.locations[index];
            FixedText::set(location.name, QStringLiteral("L%1").arg(index + 1));
            FixedText::set(location.locationCode, "001-0001-6");
        }
        FixedText::set(client.record.ibtNumber, "1234-5678");
        return client;
    }
    void modifySelected(const std::function<void(LocationDialog*)>& change) {
        whenModalOpens<LocationDialog>([change](LocationDialog* dialog) {
            change(dialog);
            dialog->accept();
        });
        locations()->modifyButton()->click();
    }
};

TEST_F(LocationsTest, NewLocationsAreNumberedOneMoreThanTheHighest) {
    open();
    toLocations();
    addLocation(named("First"));
    addLocation(named("Second"));
    EXPECT_EQ(shownLocations(), QStringList({"1 First", "2 Second"}));
    selectLocation(1);
    modifySelected([](LocationDialog* dialog) {
        EXPECT_EQ(dialog->numberEdit()->text(), "2");
        EXPECT_EQ(dialog->fields()->edit(SiteFieldsForm::Name)->text(), "Second");
        typeInto(dialog->numberEdit(), "7");
    });
    addLocation(named("Third"));
    EXPECT_EQ(shownLocations(), QStringList({"1 First", "7 Second", "8 Third"}));
    // Two locations may carry the same number.
    addLocation(named("Fourth"), "1");
    EXPECT_EQ(shownLocations().last(), "1 Fourth");
}

TEST_F(LocationsTest, RemovingTheFirstOfThreeRenumbersTheRowsButKeepsTheStoredNumbers) {
    open();
    toLocations();
    addLocation(named("First"));
    addLocation(named("Second"), "5");
    addLocation(named("Third"), "9");
    selectLocation(0);
    messages.answers = {false};
    locations()->removeButton()->click();
    EXPECT_EQ(shownLocations().size(), 3);
    locations()->removeButton()->click();
    EXPECT_EQ(messages.asked, QStringList(2, "Are you sure you want to delete this location?"));
    EXPECT_EQ(messages.noDefaults, std::vector<bool>(2, true));
    EXPECT_EQ(shownLocations(), QStringList({"1 Second", "2 Third"}));
    next();
    const std::vector<ClientLocation>& result = state->answers.locations;
    ASSERT_EQ(result.size(), 2u);
    EXPECT_EQ(FixedText::get(result[0].name), "Second");
    EXPECT_EQ(result[0].locationNumber, 5);
    EXPECT_EQ(result[1].locationNumber, 9);
}

TEST_F(LocationsTest, ModifyAndRemoveNeedARow) {
    open();
    toLocations();
    locations()->modifyButton()->click();
    locations()->removeButton()->click();
    addLocation(named("First"));
    locations()->list()->clearSelection();
    locations()->modifyButton()->click();
    EXPECT_EQ(messages.shown, QStringList({"Sorry the list is empty, please add a location first!",
                                           "Sorry the list is empty, please add a location first!",
                                           "Please select a location from the list"}));
}

// With nothing selected, Down selects the first location, so Modify and Remove work from the
// keyboard at once.
TEST_F(LocationsTest, DownWithNothingSelectedSelectsTheFirstLocation) {
    open();
    toLocations();
    addLocation(named("First"));
    addLocation(named("Second"));
    QTreeWidget* list = locations()->list();
    list->clearSelection();
    list->setCurrentItem(list->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    pressKey(list, Qt::Key_Down);
    messages.answers = {false};
    locations()->removeButton()->click();
    EXPECT_EQ(messages.asked, QStringList({"Are you sure you want to delete this location?"}));
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().first(), list->topLevelItem(0));
}

TEST_F(LocationsTest, TheFortyFirstLocationIsRefused) {
    const ClientInfo client = multiSiteClient(40);
    const int row = listClient(client, "Vtb00001.kvr");
    openListed(row);
    toLocations();
    EXPECT_EQ(shownLocations().size(), 40);
    EXPECT_EQ(shownLocations()[39], "40 L40");
    locations()->addButton()->click();
    EXPECT_EQ(messages.shown, QStringList({"Sorry you can add up to 40 locations."}));
    EXPECT_EQ(shownLocations().size(), 40);
}

TEST_F(LocationsTest, ALocationNamedLikeAListedClientIsRefusedEvenWhenModifying) {
    listClient(multiSiteClient(2), "Vtb00001.kvr");
    ClientInfo other;
    FixedText::set(other.record.businessName, "Other Client");
    listClient(other, "Vtb00002.kvr");
    openListed(clients.find("L1"));
    toLocations();
    addLocation(named("Other Client"));
    addLocation(named("L1"));
    EXPECT_EQ(messages.shown, QStringList(2, EntryChecks::kDuplicateName));
    EXPECT_EQ(shownLocations(), QStringList({"1 L1", "2 L2"}));
}

TEST_F(LocationsTest, TheDialogChecksItsFieldsInOrder) {
    LocationDialog dialog(table);
    const ClientLocation empty{};
    dialog.setLocation(empty, 3, "shared@corner.com");
    EXPECT_EQ(dialog.numberEdit()->text(), "3");
    EXPECT_EQ(dialog.email(), "shared@corner.com");
    dialog.show();
    auto problem = [&] {
        messages.clear();
        dialog.accept();
        return messages.shown.join('|');
    };
    EXPECT_EQ(problem(), "Please make sure to fill the following field(s):\nLocation Name.\n"
                         "Address 1.\nCity.\nZip Code.\nLocation Code.\n");
    TypedSite site = named("Shop");
    site.code = "0765000";
    site.email = "shared@corner.com";
    typeSite(dialog.fields(), site);
    EXPECT_EQ(problem(),
              "A location code is 10 characters long; please specify a valid location code.\n");
    typeInto(dialog.fields()->edit(SiteFieldsForm::LocationCode), "07650003");
    typeInto(dialog.fields()->edit(SiteFieldsForm::ZipCode), "1234");
    EXPECT_EQ(problem(), "Please enter a valid zip code\n");
    typeInto(dialog.fields()->edit(SiteFieldsForm::ZipCode), "62301");
    typeInto(dialog.fields()->edit(SiteFieldsForm::Email), "a@b@c.com");
    EXPECT_TRUE(problem().startsWith("The e-mail address you entered is not correct"));
    typeInto(dialog.fields()->edit(SiteFieldsForm::Email), QString(60, 'e'));
    EXPECT_EQ(dialog.email().size(), 49);
    typeInto(dialog.fields()->edit(SiteFieldsForm::Email), "");
    for (const auto& [number, message] :
         {std::pair{"0", "Location number must be greater than 0."},
          std::pair{"", "Location number must be greater than 0."},
          std::pair{"256", "Location number can't be greater than 255."}}) {
        typeInto(dialog.numberEdit(), number);
        EXPECT_EQ(problem(), message) << number;
        EXPECT_TRUE(dialog.isVisible());
    }
    typeInto(dialog.numberEdit(), "255");
    EXPECT_EQ(problem(), QString());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ClientLocation stored{};
    dialog.storeInto(stored);
    EXPECT_EQ(stored.locationNumber, 255);
    EXPECT_EQ(FixedText::get(stored.locationCode), "076-5000-3");
    EXPECT_EQ(FixedText::get(stored.taxRecord.locationCode), "076-5000-3");
}
} // namespace
