#include "wizards/multisite/MultiSiteWizard.h"

#include "forms/filling/FormSet.h"
#include "output/ReturnPreviewWindow.h"
#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "support/TestClients.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "ui/wizard/CWizardDialog.h"
#include "ui/wizard/WizardPicture.h"
#include "ui/wizards/return/CarriedReturns.h"
#include "wizards/multisite/CombinedSummaryStep.h"
#include "wizards/multisite/PrepareLocationsStep.h"
#include "wizards/return/LastReturnComparison.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/ReturnWizard.h"
#include "wizards/return/ReturnWizardSettings.h"
#include "wizards/return/SummaryPage.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
// The multi-site wizard of a three-site client over the program's forms, with a location
// wizard that enters `receipts[row]` as the total receipts of the site it runs for (or, for a
// negative amount, food sales beyond the receipts, which do not add up) and ends with
// `locationResult`; with `programLocationWizards`, the program's own location wizards. With
// `lastReturn` the return starts from that last stored return.
class MultiSiteWizardTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(loadFormImages(forms()), 0); }

    void SetUp() override {
        Clock::setFixedDate(QDate(2005, 3, 15));
        client.record = TestClients::springfieldSites(3);
    }
    void TearDown() override { Clock::release(); }

    // Runs the wizard, as "New Return" does after resetting the return, with `script` acting on
    // it once it has passed the welcome and period steps (or, with `fromWelcome`, at once).
    int run(const std::function<void(CWizardDialog*)>& script, bool fromWelcome = false) {
        whenModalOpens<CWizardDialog>([script, fromWelcome](CWizardDialog* dialog) {
            if (!fromWelcome) {
                dialog->next();
                dialog->next();
            }
            script(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        ReturnWizardSettings settings;
        resetReturnAndForms(currentReturn(), forms(), settings.fill);
        const LocationWizardRunner location = [this](QWidget*, const ClientRecord& site,
                                                     QJsonObject&) {
            locationsRun << FixedText::get(site.businessName);
            const double amount = receipts.value(FixedText::get(site.businessName), 1000.0);
            ReturnRecord& record = currentReturn();
            record.st1.totalReceipts = amount < 0 ? 1000.0 : amount;
            record.st1.foodSalesInside = amount < 0 ? 5000.0 : 0.0;
            return locationResult;
        };
        return runMultiSiteWizard(nullptr, client, settings,
                                  programLocationWizards ? LocationWizardRunner() : location,
                                  lastReturn);
    }

    static PrepareLocationsStep* locations(CWizardDialog* dialog) {
        return static_cast<PrepareLocationsStep*>(dialog->page(PrepareLocationsStep::kKey));
    }
    static CombinedSummaryStep* summary(CWizardDialog* dialog) {
        return static_cast<CombinedSummaryStep*>(dialog->page(CombinedSummaryStep::kKey));
    }
    static void prepareRow(CWizardDialog* dialog, int row) {
        QTreeWidget* list = locations(dialog)->list();
        list->setCurrentItem(list->topLevelItem(row));
        locations(dialog)->prepareButton()->click();
    }
    static void prepareAll(CWizardDialog* dialog) {
        for (int row = 0; row < 3; ++row)
            prepareRow(dialog, row);
    }
    static void nextUntil(CWizardDialog* wizard, int key) {
        for (int presses = 0; presses < 25 && wizard->activePage()->key() != key; ++presses)
            wizard->next();
    }
    // In a location's wizard: the hint and the text of its total receipts, then 123456.70 typed
    // there and the first row of its summary's comparison with the last return.
    static void typeExtraZeroAtTheLastFigures(CWizardDialog* location, QStringList& seen) {
        nextUntil(location, PageKeys::kTotalReceipts);
        auto* amount = location->activePage()->findChild<QLineEdit*>("totalReceipts");
        auto* hint = location->activePage()->findChild<QLabel*>("totalReceiptsLastFigure");
        ASSERT_NE(amount, nullptr);
        ASSERT_NE(hint, nullptr) << "no hint of the last figure";
        seen << hint->text() << amount->text();
        typeInto(amount, QStringLiteral("123456.70"));
        nextUntil(location, PageKeys::kSummary);
        const LastReturnComparison* comparison =
            static_cast<SummaryPage*>(location->activePage())->comparison();
        ASSERT_NE(comparison, nullptr) << "no comparison with the last return";
        for (int column = 1; column <= 3; ++column)
            seen << comparison->item(0, column)->text();
    }
    static QStringList summaryTexts(CWizardDialog* dialog) {
        QStringList texts;
        for (int row = 0; row < 4; ++row)
            texts << summary(dialog)->amountLabel(row)->text();
        return texts;
    }

    ClientInfo client;
    ScriptedMessages messages;
    QStringList locationsRun;
    QMap<QString, double> receipts;
    int locationResult = CWizardDialog::kFinished;
    bool programLocationWizards = false;
    std::optional<StoredInputs> lastReturn;
};

TEST_F(MultiSiteWizardTest, ListsTheLocationsWithTheirNumbersOrRowPositions) {
    run([](CWizardDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Create New Return");
        QTreeWidget* list = locations(dialog)->list();
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->headerItem()->text(0), "Location #");
        // The specified widths, widened where a title needs more.
        const int widths[] = {65, 180, 210};
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(list->columnWidth(column),
                      std::max(widths[column], list->header()->sectionSizeHint(column)));
        EXPECT_EQ(list->topLevelItem(0)->text(0), "10");
        EXPECT_EQ(list->topLevelItem(2)->text(0), "3");
        EXPECT_EQ(list->topLevelItem(2)->text(1), "Site 3");
        EXPECT_EQ(list->topLevelItem(2)->text(2), "3 Elm St");
    });
}

// The welcome step names the client as the client list does (by its first location, the
// business name being empty); every step has the picture at the left like the other wizards,
// the locations step says what to do, and the window keeps one size from step to step.
TEST_F(MultiSiteWizardTest, NamesTheClientFramesEveryStepAndKeepsOneSize) {
    ASSERT_TRUE(FixedText::get(client.record.businessName).isEmpty());
    run(
        [](CWizardDialog* dialog) {
            auto* name = dialog->activePage()->findChild<QLabel*>(QStringLiteral("businessName"));
            ASSERT_NE(name, nullptr);
            EXPECT_EQ(name->text(), "Site 1");
            const QSize size = dialog->size();
            std::vector<int> steps;
            for (int step = 0; step < 3; ++step) {
                if (step == 2)
                    prepareAll(dialog);
                dialog->next();
                QApplication::processEvents();
                steps.push_back(dialog->activePage()->key());
                EXPECT_EQ(dialog->size(), size) << "step " << steps.back();
                EXPECT_NE(dialog->activePage()->findChild<WizardPicture*>(), nullptr)
                    << "step " << steps.back();
            }
            EXPECT_EQ(steps.back(), CombinedSummaryStep::kKey);
            bool instructed = false;
            for (const QLabel* label : locations(dialog)->findChildren<QLabel*>())
                instructed |= label->text().contains("press \"Prepare Location\"");
            EXPECT_TRUE(instructed);
        },
        true);
}

TEST_F(MultiSiteWizardTest, PrepareNeedsASelectedLocationAndNextEveryLocation) {
    run([this](CWizardDialog* dialog) {
        locations(dialog)->prepareButton()->click();
        EXPECT_EQ(messages.shown, QStringList({"Please select a location from the list"}));
        EXPECT_TRUE(locationsRun.isEmpty());
        prepareRow(dialog, 0);
        prepareRow(dialog, 2);
        EXPECT_EQ(locationsRun, QStringList({"Site 1", "Site 3"}));
        // The prepared locations carry their mark; the list has the focus again.
        QTreeWidget* list = locations(dialog)->list();
        EXPECT_EQ(list->topLevelItem(0)->toolTip(0), "Prepared");
        EXPECT_TRUE(list->topLevelItem(1)->icon(0).isNull());
        EXPECT_EQ(list->topLevelItem(2)->toolTip(0), "Prepared");
        EXPECT_EQ(dialog->focusWidget(), list);
        dialog->next();
        EXPECT_EQ(dialog->activePage()->key(), PrepareLocationsStep::kKey);
        EXPECT_EQ(messages.shown.last(), "Sorry,\nYou can't proceed to the next step until you "
                                         "do calculations for all locations.");
        prepareRow(dialog, 1);
        dialog->next();
        EXPECT_EQ(dialog->activePage()->key(), CombinedSummaryStep::kKey);
    });
}

// With nothing selected, Down selects the first location, so "Prepare Location" works from the
// keyboard at once.
TEST_F(MultiSiteWizardTest, DownWithNothingSelectedSelectsTheFirstLocation) {
    run([this](CWizardDialog* dialog) {
        QTreeWidget* list = locations(dialog)->list();
        list->setCurrentItem(list->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
        pressKey(list, Qt::Key_Down);
        locations(dialog)->prepareButton()->click();
        EXPECT_EQ(locationsRun, QStringList({"Site 1"}));
        EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
    });
}

TEST_F(MultiSiteWizardTest, CancelKeepsTheEntryAndAPreparationAgainReplacesIt) {
    run([this](CWizardDialog* dialog) {
        prepareAll(dialog);
        receipts["Site 2"] = 5000.0;
        locationResult = CWizardDialog::kCancelled;
        prepareRow(dialog, 1);
        dialog->next();
        EXPECT_EQ(summaryTexts(dialog), QStringList({"3,000", "240", "2,760", "237"}));
        dialog->back();
        locationResult = CWizardDialog::kFinished;
        prepareRow(dialog, 1);
        dialog->next();
        EXPECT_EQ(summaryTexts(dialog).first(), "7,000");
    });
}

TEST_F(MultiSiteWizardTest, ALocationWhoseBasesDoNotAddUpIsRefused) {
    receipts["Site 2"] = -1;
    run([this](CWizardDialog* dialog) {
        prepareAll(dialog);
        EXPECT_EQ(messages.shown, QStringList({kSt1BasesMessage}));
        dialog->next();
        EXPECT_EQ(dialog->activePage()->key(), PrepareLocationsStep::kKey);
    });
}

TEST_F(MultiSiteWizardTest, FinishWithoutAPreviewAsksFirstAndAfterOneOffersTheHistory) {
    const int result = run([this](CWizardDialog* dialog) {
        prepareAll(dialog);
        dialog->next();
        // The keyboard starts on the preview, not on the amounts that explain themselves.
        EXPECT_EQ(dialog->focusWidget(), summary(dialog)->previewButton());
        messages.answers = {false};
        dialog->finish();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(messages.asked,
                  QStringList({"Are you sure you want to close this wizard without printing "
                               "the return?"}));
        whenModalOpens<ReturnPreviewWindow>(
            [](ReturnPreviewWindow* preview) { preview->reject(); });
        summary(dialog)->previewButton()->click();
        EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("|").toStdString();
        messages.answers = {false};
        dialog->finish();
        EXPECT_EQ(messages.asked.last(),
                  "Would you like to add this return to the \"Return History\" of this client?");
    });
    EXPECT_EQ(result, CWizardDialog::kFinished);
}

// The same rule as the single-site wizard: going back after a preview deletes its pages, so
// Finish no longer offers them to the history.
TEST_F(MultiSiteWizardTest, GoingBackAfterAPreviewDiscardsItsPages) {
    run([this](CWizardDialog* dialog) {
        prepareAll(dialog);
        dialog->next();
        PageList previewed;
        whenModalOpens<ReturnPreviewWindow>([&](ReturnPreviewWindow* preview) {
            previewed = preview->context().pages;
            preview->reject();
        });
        summary(dialog)->previewButton()->click();
        ASSERT_FALSE(previewed.empty());
        dialog->back();
        dialog->next();
        messages.answers = {false};
        dialog->finish();
        EXPECT_EQ(messages.asked,
                  QStringList({"Are you sure you want to close this wizard without printing "
                               "the return?"}));
    });
}

// A client whose last stored return (February's) kept its inputs: the return starts with March
// chosen, a location's wizard shows that location's last figures beside its empty amount
// fields, and its summary marks total receipts typed with an extra zero.
TEST_F(MultiSiteWizardTest, ALocationStartsFromItsLastFiguresAndItsSummaryMarksAnExtraZero) {
    programLocationWizards = true;
    lastReturn = CarriedReturns::multiSite(client.record);
    QStringList seen;
    run(
        [&seen](CWizardDialog* dialog) {
            dialog->next();
            ASSERT_EQ(dialog->activePage()->key(), PageKeys::kPeriod);
            EXPECT_EQ(dialog->activePage()->findChild<QComboBox*>("months")->currentText(),
                      "Mar,2005");
            EXPECT_TRUE(dialog->activePage()->findChild<QRadioButton*>("monthly")->isChecked());
            dialog->next();
            whenModalOpens<ReturnWizard>([&seen](ReturnWizard* location) {
                typeExtraZeroAtTheLastFigures(location, seen);
                location->reject();
            });
            prepareRow(dialog, 1);
        },
        true);
    EXPECT_EQ(seen, (QStringList{"last: 12,345.67", "", "12,346", "+900.0 %", "over 50 % up"}));
}

} // namespace
