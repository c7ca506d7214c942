#pragma once

#include "clients/ClientFile.h"
#include "clients/ClientList.h"
#include "clients/ClientStore.h"
#include "letters/DefaultLetter.h"
#include "platform/FixedText.h"
#include "platform/ProgramFolder.h"
#include "settings/SettingsBinder.h"
#include "support/TestPaths.h"
#include "taxtables/TaxTable.h"
#include "ui/MaskedEdit.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "wizards/client/BusinessStep.h"
#include "wizards/client/ClientWizard.h"
#include "wizards/client/ClientWizardCommands.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/LocationDialog.h"
#include "wizards/client/LocationsStep.h"
#include "wizards/client/MotorFuelStep.h"
#include "wizards/client/SiteFieldsForm.h"
#include "wizards/client/StepKeys.h"
#include "wizards/client/TaxNumberStep.h"
#include "wizards/client/TransmittalStep.h"
#include "wizards/client/YesNoStep.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

// One site as the tests type it.
struct TypedSite {
    QString name;
    QString address1 = "100 Main St";
    QString address2;
    QString city = "Quincy";
    QString zip = "62301";
    QString phone = "2175550100";
    QString code = "00100016"; // 001-0001-6, Quincy
    QString email;
};

inline TypedSite named(const QString& name) {
    TypedSite site;
    site.name = name;
    return site;
}

inline void typeSite(SiteFieldsForm* form, const TypedSite& site) {
    const QString texts[] = {site.name, site.address1, site.address2, site.city,
                             site.zip,  site.phone,    site.code,     site.email};
    for (int field = 0; field < SiteFieldsForm::FieldCount; ++field)
        typeInto(form->edit(static_cast<SiteFieldsForm::Field>(field)), texts[field]);
}

// A client wizard over a loaded table, a client list and an empty client data folder, with
// the message boxes intercepted.
class ClientWizardFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings(SettingsStore::kOrganization, SettingsStore::kApplication).clear();
        ASSERT_TRUE(table.load(TestPaths::source("resources/Data.tbl")));
        ProgramFolder::setOverride(programFolder.path());
        ASSERT_TRUE(ensureDefaultLetter(false));
        folder = dataFolder.path() + '/';
    }
    void TearDown() override {
        wizard.reset();
        ProgramFolder::setOverride(QString());
    }

    // Opens the wizard (not modally) on fresh answers, or on `client` in modify mode.
    void open(const ClientInfo* client = nullptr) {
        state = std::make_unique<ClientWizardState>(
            ClientWizardState{client ? ClientWizardMode::Modify : ClientWizardMode::New,
                              table,
                              clients,
                              client ? client->path : folder + "Vtb00001.kvr",
                              client ? ClientAnswers::of(client->record) : ClientAnswers(),
                              {}});
        wizard = std::make_unique<ClientWizard>(*state);
        wizard->show();
    }

    // Opens the wizard in modify mode on a listed client, read from its file as "Modify Client"
    // reads it.
    void openListed(int row) {
        ClientInfo listed;
        ASSERT_EQ(ClientStore::openClient(clients.at(row).path, table, listed), kClientFileOk);
        open(&listed);
    }

    // Drives the next client wizard that opens modally with `script`, then presses Finish. A
    // wizard that refuses to finish is cancelled, so a failing test cannot hang.
    void driveWizard(const std::function<void()>& script) {
        whenModalOpens<ClientWizard>([this, script](ClientWizard* running) {
            wizard.reset(running);
            script();
            finish();
            if (wizard.release()->isVisible())
                running->reject();
        });
    }
    void nextUntil(int key) {
        for (int guard = 0; guard < 20 && activeKey() != key; ++guard)
            next();
        ASSERT_EQ(activeKey(), key);
    }
    // From the welcome step through the tax number step of a single-site client.
    void passBusinessAndTaxNumbers(const TypedSite& site) {
        next();
        answer(StepKeys::kSiteKind, false);
        next();
        typeSite(businessFields(), site);
        next();
        typeInto(step<TaxNumberStep>(StepKeys::kTaxNumbers)->ibtEdit(), "12345678");
    }

    void next() { wizard->nextButton()->click(); }
    void back() { wizard->backButton()->click(); }
    void finish() { wizard->finishButton()->click(); }
    int activeKey() const { return wizard->activePage()->key(); }
    template <typename Step>
    Step* step(int key) const {
        return dynamic_cast<Step*>(wizard->page(key));
    }
    void answer(int key, bool yes) {
        auto* question = step<YesNoStep>(key);
        (yes ? question->yesButton() : question->noButton())->click();
    }
    SiteFieldsForm* businessFields() const {
        return step<BusinessStep>(StepKeys::kBusiness)->fields();
    }
    LocationsStep* locations() const { return step<LocationsStep>(StepKeys::kLocations); }

    // Adds a location through the location dialog; `number` replaces the offered number.
    void addLocation(const TypedSite& site, const QString& number = {}) {
        whenModalOpens<LocationDialog>([site, number](LocationDialog* dialog) {
            typeSite(dialog->fields(), site);
            if (!number.isEmpty())
                typeInto(dialog->numberEdit(), number);
            dialog->accept();
            if (dialog->isVisible())
                dialog->reject();
        });
        locations()->addButton()->click();
    }
    QStringList shownLocations() const {
        QStringList rows;
        QTreeWidget* list = locations()->list();
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            rows.append(list->topLevelItem(row)->text(0) + ' ' + list->topLevelItem(row)->text(1));
        return rows;
    }
    void selectLocation(int row) {
        locations()->list()->setCurrentItem(locations()->list()->topLevelItem(row));
    }

    // Lists a client written to the data folder.
    int listClient(ClientInfo client, const QString& fileName) {
        client.path = folder + fileName;
        EXPECT_EQ(writeClientFile(client, client.path), kClientFileOk);
        return clients.add(client);
    }

    ScriptedMessages messages;
    TaxTable table;
    ClientList clients;
    QTemporaryDir programFolder;
    QTemporaryDir dataFolder;
    QString folder;
    std::unique_ptr<ClientWizardState> state;
    std::unique_ptr<ClientWizard> wizard;
};
