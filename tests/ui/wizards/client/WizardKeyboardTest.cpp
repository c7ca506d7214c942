#include "letters/LetterEditorDialog.h"
#include "ui/wizards/client/ClientWizardFixture.h"
#include "wizards/client/LetterStep.h"

#include <QDir>

namespace {
class WizardKeyboardTest : public ClientWizardFixture {
protected:
    QWidget* focused() const { return wizard->focusWidget(); }
    void toLocations() {
        next();
        answer(StepKeys::kSiteKind, true);
        next();
        ASSERT_EQ(activeKey(), StepKeys::kLocations);
    }
};

TEST_F(WizardKeyboardTest, EachStepPutsTheFocusInItsFirstField) {
    open();
    next();
    EXPECT_EQ(focused(), step<YesNoStep>(StepKeys::kSiteKind)->noButton());
    answer(StepKeys::kSiteKind, false);
    next();
    EXPECT_EQ(focused(), businessFields()->edit(SiteFieldsForm::Name));
    typeSite(businessFields(), named("Corner Store"));
    next();
    EXPECT_EQ(focused(), step<TaxNumberStep>(StepKeys::kTaxNumbers)->ibtEdit());
    back();
    EXPECT_EQ(focused(), businessFields()->edit(SiteFieldsForm::Name));
}

TEST_F(WizardKeyboardTest, TheChosenAnswerOfAQuestionTakesTheFocus) {
    open();
    next();
    answer(StepKeys::kSiteKind, true);
    next();
    back();
    EXPECT_EQ(focused(), step<YesNoStep>(StepKeys::kSiteKind)->yesButton());
}

TEST_F(WizardKeyboardTest, NextIsTheDefaultButtonUntilTheLastStepWhereFinishIs) {
    open();
    EXPECT_TRUE(wizard->nextButton()->isDefault());
    EXPECT_FALSE(wizard->finishButton()->isDefault());
    passBusinessAndTaxNumbers(named("Corner Store"));
    nextUntil(StepKeys::kFinish);
    EXPECT_TRUE(wizard->finishButton()->isDefault());
    EXPECT_FALSE(wizard->nextButton()->isDefault());
    back();
    // Finish stays available once the end was seen, but Enter goes on to the next step.
    EXPECT_TRUE(wizard->finishButton()->isEnabled());
    EXPECT_TRUE(wizard->nextButton()->isDefault());
    EXPECT_FALSE(wizard->finishButton()->isDefault());
}

TEST_F(WizardKeyboardTest, EnterGoesToTheNextStep) {
    open();
    next();
    pressKey(focused(), Qt::Key_Return);
    EXPECT_EQ(activeKey(), StepKeys::kBusiness);
}

TEST_F(WizardKeyboardTest, TheWizardButtonsHaveAccessKeys) {
    open();
    EXPECT_EQ(wizard->backButton()->text(), "< &Back");
    EXPECT_EQ(wizard->nextButton()->text(), "&Next >");
    EXPECT_EQ(wizard->finishButton()->text(), "&Finish");
    EXPECT_EQ(wizard->cancelButton()->text(), "&Cancel");
}

TEST_F(WizardKeyboardTest, RemovingALocationAsksWithNoAsTheDefault) {
    open();
    toLocations();
    addLocation(named("L1"));
    selectLocation(0);
    messages.answers = {false};
    locations()->removeButton()->click();
    EXPECT_EQ(messages.noDefaults, std::vector<bool>{true});
    EXPECT_EQ(shownLocations(), QStringList({"1 L1"}));
}

TEST_F(WizardKeyboardTest, ARefusedDuplicateLocationNameKeepsTheDialogOpenWithTheEntries) {
    ClientInfo listed;
    FixedText::set(listed.record.businessName, "Corner Store");
    listClient(listed, "Vtb00009.kvr");
    open();
    toLocations();
    bool stayedOpen = false;
    QString keptAddress;
    whenModalOpens<LocationDialog>([&](LocationDialog* dialog) {
        typeSite(dialog->fields(), named("Corner Store"));
        dialog->accept();
        stayedOpen = dialog->isVisible();
        keptAddress = dialog->fields()->entry().address1;
        typeInto(dialog->fields()->edit(SiteFieldsForm::Name), "Corner Store East");
        dialog->accept();
        if (dialog->isVisible())
            dialog->reject();
    });
    locations()->addButton()->click();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(keptAddress, "100 Main St");
    EXPECT_EQ(messages.shown, QStringList{EntryChecks::kDuplicateName});
    EXPECT_EQ(shownLocations(), QStringList({"1 Corner Store East"}));
}

TEST_F(WizardKeyboardTest, TheLocationDialogOffersTheSalesTaxTablesLikeTheBusinessStep) {
    LocationDialog dialog(table);
    open();
    next();
    answer(StepKeys::kSiteKind, false);
    next();
    EXPECT_EQ(dialog.tablesButton()->text(),
              step<BusinessStep>(StepKeys::kBusiness)->tablesButton()->text());
}

TEST_F(WizardKeyboardTest, EditLetterNamesAFolderThatCannotTakeTheLetterInsteadOfAnEmptyEditor) {
    open();
    state->clientFilePath = folder + "missing/Vtb00001.kvr";
    passBusinessAndTaxNumbers(named("Corner Store"));
    nextUntil(StepKeys::kLetter);
    bool editorOpened = false;
    QTimer guard; // closes an editor that should not have opened, so the test cannot hang
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (auto* editor = qobject_cast<LetterEditorDialog*>(QApplication::activeModalWidget())) {
            editorOpened = true;
            editor->done(QDialog::Rejected);
        }
    });
    guard.start(5);
    step<LetterStep>(StepKeys::kLetter)->editButton()->click();
    EXPECT_FALSE(editorOpened);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QDir(folder).filePath("missing")))
        << messages.shown[0].toStdString();
}
} // namespace
