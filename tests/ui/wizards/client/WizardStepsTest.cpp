#include "letters/LetterEditorDialog.h"
#include "letters/LetterGenerator.h"
#include "ui/wizards/client/ClientWizardFixture.h"
#include "wizards/client/LetterStep.h"

#include <QFile>
#include <QGroupBox>

namespace {
const QString kMissing = "Please make sure to fill the following field(s):\n";

class WizardStepsTest : public ClientWizardFixture {
protected:
    void toBusinessStep() {
        next();
        answer(StepKeys::kSiteKind, false);
        next();
        ASSERT_EQ(activeKey(), StepKeys::kBusiness);
    }
    // Presses Next and returns the message it showed, if any.
    QString nextMessage() {
        messages.clear();
        next();
        return messages.shown.isEmpty() ? QString() : messages.shown.join('|');
    }
    void throughToFinish() {
        for (int guard = 0; guard < 20 && activeKey() != StepKeys::kFinish; ++guard)
            next();
        ASSERT_EQ(activeKey(), StepKeys::kFinish);
    }
};

TEST_F(WizardStepsTest, TheBusinessStepReportsItsProblemsInOrder) {
    ClientInfo listed;
    FixedText::set(listed.record.businessName, "Corner Store");
    listClient(listed, "Vtb00001.kvr");
    open();
    toBusinessStep();
    SiteFieldsForm* fields = businessFields();
    auto edit = [fields](SiteFieldsForm::Field field) { return fields->edit(field); };

    EXPECT_EQ(nextMessage(),
              kMissing + "Business Name.\nAddress 1.\nCity.\nZip Code.\nLocation Code.\n");
    typeSite(fields, named("Corner Store"));
    EXPECT_EQ(nextMessage(), EntryChecks::kDuplicateName);
    typeInto(edit(SiteFieldsForm::Name), "Corner Store 2");
    typeInto(edit(SiteFieldsForm::LocationCode), "0765000");
    EXPECT_EQ(edit(SiteFieldsForm::LocationCode)->text(), "076-5000-");
    EXPECT_EQ(nextMessage(),
              "A location code is 10 characters long; please specify a valid location code.\n");
    typeInto(edit(SiteFieldsForm::LocationCode), "99999999");
    EXPECT_TRUE(nextMessage().startsWith("The location code you specified could not be found"));
    typeInto(edit(SiteFieldsForm::LocationCode), "07650003");
    typeInto(edit(SiteFieldsForm::ZipCode), "6230");
    EXPECT_EQ(nextMessage(), "Please enter a valid zip code\n");
    typeInto(edit(SiteFieldsForm::ZipCode), "62301");
    typeInto(edit(SiteFieldsForm::Email), "owner@corner.info");
    EXPECT_TRUE(nextMessage().startsWith("The e-mail address you entered is not correct"));
    EXPECT_EQ(activeKey(), StepKeys::kBusiness);
    typeInto(edit(SiteFieldsForm::Email), "");
    EXPECT_EQ(nextMessage(), QString());
    EXPECT_EQ(activeKey(), StepKeys::kTaxNumbers);
    EXPECT_EQ(state->wizardLocationCode, "076-5000-3");
}

TEST_F(WizardStepsTest, TheFieldsTakeNoMoreThanTheirRecordFieldsHold) {
    open();
    toBusinessStep();
    SiteFieldsForm* fields = businessFields();
    const std::pair<SiteFieldsForm::Field, int> limits[] = {{SiteFieldsForm::Name, 60},
                                                            {SiteFieldsForm::Address1, 60},
                                                            {SiteFieldsForm::City, 40},
                                                            {SiteFieldsForm::Email, 48}};
    for (const auto& [field, length] : limits) {
        typeInto(fields->edit(field), QString(length + 5, 'x'));
        EXPECT_EQ(fields->edit(field)->text().size(), length);
    }
    typeInto(fields->edit(SiteFieldsForm::Phone), "2175550100999");
    EXPECT_EQ(fields->edit(SiteFieldsForm::Phone)->text(), "(217) 555-0100");
    typeInto(fields->edit(SiteFieldsForm::ZipCode), "62a30x1");
    EXPECT_EQ(fields->edit(SiteFieldsForm::ZipCode)->text(), "62301");
}

TEST_F(WizardStepsTest, TheTaxNumberAndTransmittalStepsCheckTheirFields) {
    open();
    toBusinessStep();
    typeSite(businessFields(), named("Corner Store"));
    next();
    auto* numbers = step<TaxNumberStep>(StepKeys::kTaxNumbers);
    EXPECT_EQ(nextMessage(), kMissing + "Illinois Business Tax Number (IBT #.).\n");
    typeInto(numbers->ibtEdit(), "1234567");
    EXPECT_EQ(nextMessage(), "Please enter a valid IBT number\n");
    typeInto(numbers->ibtEdit(), "12345678");
    EXPECT_EQ(nextMessage(), QString());

    auto* transmittal = step<TransmittalStep>(StepKeys::kTransmittal);
    EXPECT_TRUE(transmittal->addressGroup()->isHidden());
    transmittal->yesButton()->click();
    EXPECT_FALSE(transmittal->addressGroup()->isHidden());
    EXPECT_EQ(nextMessage(), kMissing + "Address 1.\nCity.\nZip Code.\n");
    typeInto(transmittal->address1Edit(), "PO Box 9");
    typeInto(transmittal->cityEdit(), "Quincy");
    typeInto(transmittal->zipEdit(), "623");
    EXPECT_EQ(nextMessage(), "Please enter a valid zip code\n");
    transmittal->noButton()->click();
    EXPECT_TRUE(transmittal->addressGroup()->isHidden());
    EXPECT_EQ(nextMessage(), QString());
    EXPECT_EQ(state->answers.draft->transmittalDiffers, 0);
    EXPECT_EQ(FixedText::get(state->answers.draft->transmittalAddress1), "PO Box 9");
}

TEST_F(WizardStepsTest, TheSiteAnswerSwapsTheBusinessAndLocationsSteps) {
    open();
    next();
    answer(StepKeys::kSiteKind, true);
    next();
    EXPECT_EQ(activeKey(), StepKeys::kLocations);
    EXPECT_EQ(nextMessage(),
              "Since this client is a multi-site client (files form ST-2),\n you will "
              "need to define at least 2 locations before proceeding.");
    messages.clear();
    back();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(activeKey(), StepKeys::kSiteKind);
    answer(StepKeys::kSiteKind, false);
    next();
    EXPECT_EQ(activeKey(), StepKeys::kBusiness);
    EXPECT_FALSE(wizard->page(StepKeys::kLocations)->isStepEnabled());
    typeSite(businessFields(), named("Corner Store"));
    next();
    back();
    back();
    answer(StepKeys::kSiteKind, true);
    next();
    EXPECT_EQ(activeKey(), StepKeys::kLocations);
    EXPECT_FALSE(wizard->page(StepKeys::kBusiness)->isStepEnabled());
}

TEST_F(WizardStepsTest, FinishAfterTheEndWasReachedChecksEveryCreatedStep) {
    open();
    passBusinessAndTaxNumbers(named("Corner Store"));
    throughToFinish();
    EXPECT_TRUE(wizard->endReached());
    while (activeKey() != StepKeys::kTaxNumbers)
        back();
    EXPECT_TRUE(wizard->finishButton()->isEnabled());

    typeInto(businessFields()->edit(SiteFieldsForm::City), "");
    messages.clear();
    finish();
    EXPECT_EQ(messages.shown, QStringList({kMissing + "City.\n"}));
    EXPECT_TRUE(wizard->isVisible());

    // Back from a step checks it once the end was reached.
    typeInto(step<TaxNumberStep>(StepKeys::kTaxNumbers)->ibtEdit(), "");
    messages.clear();
    back();
    EXPECT_EQ(activeKey(), StepKeys::kTaxNumbers);
    EXPECT_EQ(messages.shown.size(), 1);

    typeInto(step<TaxNumberStep>(StepKeys::kTaxNumbers)->ibtEdit(), "12345678");
    typeInto(businessFields()->edit(SiteFieldsForm::City), "Quincy");
    messages.clear();
    finish();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(wizard->result(), CWizardDialog::kFinished);
}

TEST_F(WizardStepsTest, TheSiteStepOffersFinishAgainOnceTheEndWasReached) {
    open();
    passBusinessAndTaxNumbers(named("Corner Store"));
    throughToFinish();
    while (activeKey() != StepKeys::kWelcome)
        back();
    EXPECT_FALSE(wizard->finishButton()->isEnabled());
    next();
    EXPECT_TRUE(wizard->finishButton()->isEnabled());
}

TEST_F(WizardStepsTest, CancelAsksOnceAndNoKeepsTheStep) {
    open();
    toBusinessStep();
    messages.answers = {false};
    wizard->cancelButton()->click();
    EXPECT_EQ(messages.asked, QStringList({"Are you sure you want to cancel?"}));
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(activeKey(), StepKeys::kBusiness);
    messages.clear();
    pressKey(wizard.get(), Qt::Key_Escape);
    EXPECT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(wizard->result(), CWizardDialog::kCancelled);
}

TEST_F(WizardStepsTest, TheMotorFuelBoxesAreOnlyForTypedCategoriesOfSingleSiteClients) {
    for (const auto& [code, shown] : {std::pair{"00100016", true}, std::pair{"01600011", false}}) {
        open();
        TypedSite site = named("Corner Store");
        site.code = code;
        passBusinessAndTaxNumbers(site);
        nextUntil(StepKeys::kMotorFuel);
        auto* fuel = step<MotorFuelStep>(StepKeys::kMotorFuel);
        EXPECT_EQ(fuel->amountsShown(), shown) << code;
        typeInto(fuel->amountEdits()[1], "7");
        next();
        const MotorFuelProfile& profile = state->answers.draft->motorFuel;
        EXPECT_EQ(profile.gasoholCents, shown ? 7 : 0) << code;
        EXPECT_EQ(profile.homeRuleCategory, shown ? 6 : 0) << code;
    }
}
TEST_F(WizardStepsTest, TheLetterStepGivesTheClientALetterAndOpensTheEditorOnIt) {
    open();
    const QString letter = clientLetterPath(state->clientFilePath);
    EXPECT_EQ(letter, folder + "Vtb00001.tlt");
    passBusinessAndTaxNumbers(named("Corner Store"));
    EXPECT_FALSE(QFile::exists(letter));
    nextUntil(StepKeys::kLetter);
    QFile copied(letter);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    QFile original(defaultLetterPath());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), original.readAll());

    bool edited = false;
    whenModalOpens<LetterEditorDialog>([&](LetterEditorDialog* editor) {
        edited = true;
        editor->done(QDialog::Rejected);
    });
    step<LetterStep>(StepKeys::kLetter)->editButton()->click();
    EXPECT_TRUE(edited);
}

TEST_F(WizardStepsTest, AnExistingClientLetterIsKept) {
    QFile own(folder + "Vtb00001.tlt");
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("{\\rtf1 own letter}");
    own.close();
    open();
    passBusinessAndTaxNumbers(named("Corner Store"));
    nextUntil(StepKeys::kLetter);
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    EXPECT_EQ(own.readAll(), "{\\rtf1 own letter}");
}
} // namespace
