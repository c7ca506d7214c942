#include "wizards/return/ReturnWizard.h"

#include "forms/filling/FormSet.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryFilePath.h"
#include "history/ReturnHistory.h"
#include "history/ReturnInputsTable.h"
#include "output/ReturnPreviewWindow.h"
#include "output/explain/SummaryExplanations.h"
#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "platform/PrivateTempFolder.h"
#include "returns/GroupThousands.h"
#include "returns/ReturnRecord.h"
#include "support/LoadedForms.h"
#include "support/TestClients.h"
#include "ui/BalloonTip.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "ui/wizards/return/CarriedReturns.h"
#include "ui/wizards/return/ReturnWizardFixture.h"
#include "wizards/return/LastReturnComparison.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/SummaryPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>

namespace {
class ReturnWizardTest : public ReturnWizardFixture {
protected:
    ReturnWizardTest() : ReturnWizardFixture("Acme/Grocery: Inc") {}

    void type(const char* field, const QString& text) {
        auto* edit = step()->findChild<QLineEdit*>(QLatin1String(field));
        ASSERT_NE(edit, nullptr) << field;
        typeInto(edit, text);
    }
    // Opens the help balloon of `field` on the step shown, as F1 does.
    QPointer<BalloonTip> openHelp(const char* field) {
        pressKey(step()->findChild<QLineEdit*>(QLatin1String(field)), Qt::Key_F1);
        QPointer<BalloonTip> help;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* tip = qobject_cast<BalloonTip*>(window); tip && tip->isVisible())
                help = tip;
        return help;
    }
    std::vector<int> visitedSteps() {
        std::vector<int> keys{stepKey()};
        while (stepKey() != PageKeys::kSummary) {
            next();
            if (stepKey() == keys.back())
                break;
            keys.push_back(stepKey());
        }
        return keys;
    }
    QStringList summaryCells() const {
        auto* table = step()->findChild<QTableWidget*>(QStringLiteral("summaryTable"));
        QStringList cells;
        for (const auto& [row, column] :
             {std::pair{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 4}, {2, 4}, {3, 4}})
            cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
        return cells;
    }
};

using namespace PageKeys;
} // namespace

TEST_F(ReturnWizardTest, StepsFollowTheClientsProfile) {
    const struct {
        const char* name;
        std::function<void(ClientRecord&)> profile;
        bool locationMode;
        std::vector<int> steps;
    } cases[] = {
        {"no optional groups",
         [](ClientRecord&) {},
         false,
         {kWelcome, kPeriod, kTotalReceipts, kFoodInside, kSalesOutside, kPriorRates,
          kServiceDeductions, kOtherDeductions, kPurchases, kNetTaxDue, kExcessTax, kSummary}},
        {"every group and form",
         [](ClientRecord& c) {
             c.deductionGroup1 = c.deductionGroup2 = c.deductionGroup3 = 1;
             c.motorFuel.sellsMotorFuel = 1;
             c.filesST14 = c.filesST4 = c.filesST8 = 1;
         },
         false,
         {kWelcome,
          kPeriod,
          kTotalReceipts,
          kFoodInside,
          kSalesOutside,
          kPriorRates,
          kResaleDeductions,
          kMotorFuel,
          kServiceDeductions,
          kExemptDeductions,
          kMachineryDeductions,
          kOtherDeductions,
          kPurchases,
          kNetTaxDue,
          kExcessTax,
          kSt14,
          kSt4Step1,
          kSt4Step2,
          kSt8,
          kSummary}},
        {"a location",
         [](ClientRecord& c) { c.filesST8 = 1; },
         true,
         {kTotalReceipts, kFoodInside, kSalesOutside, kPriorRates, kServiceDeductions,
          kOtherDeductions, kPurchases, kNetTaxDue, kExcessTax, kSt8, kSummary}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        initClientRecord(client.record);
        c.profile(client.record);
        open(c.locationMode);
        EXPECT_EQ(wizard->windowTitle(), c.locationMode ? QStringLiteral("Prepare Location")
                                                        : QStringLiteral("Create New Return"));
        EXPECT_EQ(visitedSteps(), c.steps);
    }
}

// The location wizard of a multi-site return says which location it prepares.
TEST_F(ReturnWizardTest, ALocationsWizardIsTitledWithTheLocationsName) {
    const struct {
        const char* name;
        const char* title;
    } cases[] = {{"Site 2", "Prepare Location - Site 2"}, {"", "Prepare Location"}};
    for (const auto& c : cases) {
        FixedText::set(client.record.businessName, c.name);
        EXPECT_EQ(open(true).windowTitle(), QLatin1String(c.title)) << c.name;
    }
}

TEST_F(ReturnWizardTest, PrintBlankFormsGoesStraightToABlankSummary) {
    settings.allowBlankForms = true;
    open();
    nextUntil(kTotalReceipts);
    type("totalReceipts", QStringLiteral("5000"));
    type("liquorPurchases", QStringLiteral("300"));
    auto* blank = step()->findChild<QCheckBox*>(QStringLiteral("printBlankForms"));
    ASSERT_TRUE(blank->isVisibleTo(step()));
    blank->click();
    next();
    EXPECT_EQ(stepKey(), kSummary);
    EXPECT_EQ(record->st1.totalReceipts, 0);
    EXPECT_EQ(record->st1.liquorPurchases, 0);
    EXPECT_EQ(summaryCells(), QStringList(7, QStringLiteral("Blank Form")));
}

TEST_F(ReturnWizardTest, PrintBlankFormsIsOfferedOnlyUnderItsOptionAndOutsideLocations) {
    for (const auto& [allow, location, shown] :
         {std::tuple{false, false, false}, {true, true, false}, {true, false, true}}) {
        settings.allowBlankForms = allow;
        open(location);
        nextUntil(kTotalReceipts);
        EXPECT_EQ(
            step()->findChild<QCheckBox*>(QStringLiteral("printBlankForms"))->isVisibleTo(step()),
            shown);
    }
}

TEST_F(ReturnWizardTest, TotalReceiptsOfZeroAreStoredAsOneCentAndShowInvalidValues) {
    open();
    nextUntil(kSummary);
    EXPECT_EQ(record->st1.totalReceipts, 0.01);
    EXPECT_EQ(summaryCells(),
              (QStringList{QStringLiteral("Invalid Value"), QStringLiteral("Invalid Value"),
                           QStringLiteral("Invalid Value"), "0", "0", "0", "0"}));
}

TEST_F(ReturnWizardTest, FoodAmountBoundsDependOnTheMethod) {
    const struct {
        const char* method;
        const char* field;
        const char* amount;
        bool accepted;
    } cases[] = {
        {"foodMethod1", "foodSalesInside", "1000", false},
        {"foodMethod1", "foodSalesInside", "999.99", true},
        {"foodMethod2", "foodEntered", "1000", true},
        {"foodMethod2", "foodEntered", "1000.01", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.amount);
        open();
        nextUntil(kTotalReceipts);
        type("totalReceipts", QStringLiteral("1000"));
        next();
        ASSERT_EQ(stepKey(), kFoodInside);
        step()->findChild<QRadioButton*>(QLatin1String(c.method))->click();
        type(c.field, QLatin1String(c.amount));
        next();
        EXPECT_EQ(stepKey(), c.accepted ? kSalesOutside : kFoodInside);
        bool balloon = false;
        for (QWidget* window : QApplication::topLevelWidgets())
            balloon |= qobject_cast<BalloonTip*>(window) && window->isVisible();
        EXPECT_EQ(balloon, !c.accepted);
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<BalloonTip*>(window))
                window->close();
    }
    // Method 2 stores the base without the food rate of 2.25 %.
    EXPECT_DOUBLE_EQ(record->st1.foodSalesInside, 1000 / 1.0225);
}

TEST_F(ReturnWizardTest, AmountsOfAStepMustStayBelowTheTotalReceipts) {
    open();
    nextUntil(kTotalReceipts);
    type("totalReceipts", QStringLiteral("1000"));
    nextUntil(kExcessTax);
    type("creditMemorandum", QStringLiteral("600"));
    type("excessTaxCollected", QStringLiteral("500"));
    next();
    EXPECT_EQ(stepKey(), kExcessTax);
    EXPECT_EQ(messages.shown.value(0),
              QStringLiteral("The sum of values on this page can't be larger than or equal to "
                             "\"Total Receipts\"!"));
    type("excessTaxCollected", QStringLiteral("399.99"));
    next();
    EXPECT_EQ(stepKey(), kSummary);
    EXPECT_EQ(record->st1.creditMemorandum, 600);
}

TEST_F(ReturnWizardTest, AmountFieldsTakeTenDigitsAndTwoDecimalsWithoutASign) {
    open();
    nextUntil(kTotalReceipts);
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"1234567890.12", "1234567890.12"},
                 {"12345678901", "1234567890"},
                 {"-5", "5"},
                 {"1.234", "1.23"},
                 {"12,5", "125"}};
    for (const auto& c : cases) {
        type("totalReceipts", QLatin1String(c.typed));
        EXPECT_EQ(step()->findChild<QLineEdit*>(QStringLiteral("totalReceipts"))->text(),
                  QLatin1String(c.shown))
            << c.typed;
    }
    client.record.filesST8 = 1;
    open();
    nextUntil(kSt8);
    type("tiresSold", QStringLiteral("12.5"));
    EXPECT_EQ(step()->findChild<QLineEdit*>(QStringLiteral("tiresSold"))->text(),
              QStringLiteral("125"));
}

TEST_F(ReturnWizardTest, FinishWithoutPreviewAsksAndNoKeepsTheWizard) {
    open();
    nextUntil(kSummary);
    messages.answers = {false};
    wizard->finishButton()->click();
    EXPECT_EQ(messages.asked.value(0),
              QStringLiteral("Are you sure you want to close this wizard without printing the "
                             "return?"));
    EXPECT_TRUE(wizard->isVisible());
    wizard->finishButton()->click();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->result(), CWizardDialog::kFinished);
}

TEST_F(ReturnWizardTest, CancelAsksFirst) {
    open();
    messages.answers = {false};
    wizard->cancelButton()->click();
    EXPECT_EQ(messages.asked.value(0), QStringLiteral("Are you sure you want to cancel?"));
    EXPECT_TRUE(wizard->isVisible());
    wizard->cancelButton()->click();
    EXPECT_FALSE(wizard->isVisible());
}

TEST_F(ReturnWizardTest, ALocationAsksWhenItIsDone) {
    open(true);
    // The first step is a step with fields: typing goes into its first one, not to the
    // default button the shown dialog would otherwise focus.
    QApplication::processEvents();
    ASSERT_NE(wizard->focusWidget(), nullptr);
    EXPECT_EQ(wizard->focusWidget()->objectName(), QStringLiteral("totalReceipts"));
    type("totalReceipts", QStringLiteral("1000"));
    nextUntil(kSummary);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(step()->findChild<QPushButton*>(QStringLiteral("previewReturn")), nullptr);
    messages.answers = {false};
    wizard->finishButton()->click();
    EXPECT_EQ(messages.asked.value(0),
              QStringLiteral("Are you sure you are done with filling all fields for this "
                             "location?"));
    EXPECT_TRUE(wizard->isVisible());
    wizard->finishButton()->click();
    EXPECT_FALSE(wizard->isVisible());
}

// Amounts whose rounded bases miss line 3 by more than a dollar: the location's summary says
// so and the location cannot be finished, so it never enters a combined return half-computed.
TEST_F(ReturnWizardTest, ALocationWhoseBasesMissLineThreeCannotBeFinished) {
    client.record.deductionGroup1 = 1;
    open(true);
    type("totalReceipts", QStringLiteral("3009.54"));
    next();
    type("foodSalesInside", QStringLiteral("1000.83"));
    next();
    type("generalSalesOutside", QStringLiteral("213.83"));
    next();
    type("otherRateReceipts", QStringLiteral("60.71"));
    type("otherRateTax", QStringLiteral("4.25"));
    next();
    type("resale", QStringLiteral("159.14"));
    nextUntil(kSummary);
    const QString basesMessage =
        QStringLiteral("An error occurred while doing calculations for ST-1 page(1):\n"
                       "Lines 4a + 5a + 6a + 7a + 8a DO NOT equal Line 3. ");
    EXPECT_EQ(messages.shown, QStringList{basesMessage});
    wizard->finishButton()->click();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_TRUE(wizard->isVisible());
}

TEST_F(ReturnWizardTest, PreviewShowsThePagesUnderTheClientsNameAndCleansUp) {
    QTemporaryDir clientFolder;
    client.path = clientFolder.filePath(QStringLiteral("Vtb00001.kvr"));
    client.record.filesST8 = 1;
    open();
    nextUntil(kTotalReceipts);
    type("totalReceipts", QStringLiteral("2500"));
    nextUntil(kSummary);
    PageList shown;
    QString document;
    bool letterShown = true;
    whenModalOpens<ReturnPreviewWindow>([&](ReturnPreviewWindow* window) {
        shown = window->context().pages;
        document = window->context().documentPath;
        EXPECT_TRUE(QFile::exists(document));
        letterShown = window->letterButton()->isVisibleTo(window);
        window->accept();
    });
    static_cast<SummaryPage*>(step())->previewReturn();
    EXPECT_EQ(document,
              PrivateTempFolder::path() + QStringLiteral("/Acme Grocery  Inc-3-15-2005.doc"));
    EXPECT_FALSE(QFile::exists(document));
    EXPECT_TRUE(letterShown);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].caption, QStringLiteral("ID: 4178"));
    for (const PageEntry& page : shown)
        EXPECT_FALSE(page.image().isEmpty());
    // Finished: no question about printing, the offer of the history, whose Yes stores the
    // return, and the page files go with the wizard.
    wizard->finishButton()->click();
    EXPECT_EQ(messages.asked,
              QStringList{QStringLiteral("Would you like to add this return to the \"Return "
                                         "History\" of this client?")});
    wizard.reset();
    EXPECT_EQ(QDir(PrivateTempFolder::path()).entryList({QStringLiteral("EMF*")}), QStringList())
        << "no page file is left behind";
    HistoryDatabase history;
    history.open(historyFilePath(client.path));
    const QList<QStringList> entries = listHistoryReturns(history);
    ASSERT_EQ(entries.size(), 1);
    const ReturnSummary& summary = record->summary;
    EXPECT_EQ(entries[0].mid(3), (QStringList{groupThousands(summary.summaryTotalReceipts),
                                              groupThousands(summary.summaryDeductions),
                                              groupThousands(summary.summaryTaxableReceipts),
                                              groupThousands(summary.summaryPaymentDue)}));
    EXPECT_EQ(entries[0][3], QStringLiteral("2,500"));
    // Its inputs went with it, for the next return to start from.
    QString problem;
    const std::optional<StoredInputs> inputs = readLatestInputs(client.path, problem);
    ASSERT_TRUE(inputs) << problem.toStdString();
    EXPECT_EQ(inputs->period, (FilingPeriod{kMonthlyPeriod, 2005, 3}));
    EXPECT_EQ(inputs->document["st1"].toObject()["totalReceipts"].toDouble(), 2500);
}

CarryForward lastReturn() {
    return carryForwardFrom(CarriedReturns::singleSite(), Clock::today());
}

TEST_F(ReturnWizardTest, ACarriedReturnStartsWithTheNextPeriodTheAnswersAndTheHints) {
    const CarryForward carry = lastReturn();
    open(false, &carry);
    nextUntil(kPeriod);
    EXPECT_EQ(step()->findChild<QComboBox*>("months")->currentText(), "Mar,2005");
    EXPECT_TRUE(step()->findChild<QRadioButton*>("monthly")->isChecked());
    EXPECT_TRUE(step()->findChild<QRadioButton*>("onTime")->isChecked());
    next();
    EXPECT_EQ(step()->findChild<QLineEdit*>("totalReceipts")->text(), "") << "amounts start empty";
    EXPECT_EQ(step()->findChild<QLabel*>("totalReceiptsLastFigure")->text(), "last: 12,345.67");
    EXPECT_EQ(step()->findChild<QLineEdit*>("totalReceipts")->accessibleDescription(),
              "last: 12,345.67");
    type("totalReceipts", QStringLiteral("13000"));
    nextUntil(kOtherDeductions);
    EXPECT_EQ(step()->findChild<QLineEdit*>("otherDeduction1Description")->text(), "Trade-ins");
    EXPECT_EQ(step()->findChild<QLineEdit*>("otherDeduction1")->text(), "");
    EXPECT_EQ(step()->findChild<QLabel*>("otherDeduction1LastFigure")->text(), "last: 200");
}

TEST_F(ReturnWizardTest, TheSummaryMarksAFigureTypedWithAnExtraZero) {
    const CarryForward carry = lastReturn();
    open(false, &carry);
    nextUntil(kTotalReceipts);
    type("totalReceipts", QStringLiteral("123456.70"));
    nextUntil(kSummary);
    auto* comparison = static_cast<SummaryPage*>(step())->comparison();
    ASSERT_NE(comparison, nullptr);
    EXPECT_EQ(comparison->horizontalHeaderItem(1)->text(), "Last return (Feb 2005)");
    EXPECT_EQ(comparison->item(0, 1)->text(), "12,346");
    EXPECT_EQ(comparison->item(0, 2)->text(), "+900.0 %");
    EXPECT_EQ(comparison->item(0, 3)->text(), "over 50 % up");
    EXPECT_NE(comparison->item(0, 3)->background(), comparison->item(0, 2)->background());
    // The tax inside ten times the receipts is deducted too: every ST-1 amount is marked.
    EXPECT_EQ(comparison->item(1, 3)->text(), "over 50 % up");
    EXPECT_EQ(comparison->markedCount(), 4);
}

TEST_F(ReturnWizardTest, WithoutALastReturnThereIsNothingToCompare) {
    open();
    nextUntil(kTotalReceipts);
    EXPECT_EQ(step()->findChild<QLabel*>("totalReceiptsLastFigure"), nullptr);
    type("totalReceipts", QStringLiteral("2500"));
    nextUntil(kSummary);
    EXPECT_EQ(static_cast<SummaryPage*>(step())->comparison(), nullptr);
}

// A change after a preview discards it: going back from the summary deletes the previewed
// pages, so Finish never offers to store pages that show other figures than the history row.
TEST_F(ReturnWizardTest, GoingBackAfterAPreviewDiscardsItsPages) {
    QTemporaryDir clientFolder;
    client.path = clientFolder.filePath(QStringLiteral("Vtb00001.kvr"));
    open();
    nextUntil(kTotalReceipts);
    type("totalReceipts", QStringLiteral("2500"));
    nextUntil(kSummary);
    // Each preview: its pages, and the bytes of ST-1 page 1 as it was shown.
    const auto preview = [this](PageList& pages, QByteArray& firstPage) {
        whenModalOpens<ReturnPreviewWindow>([&](ReturnPreviewWindow* window) {
            pages = window->context().pages;
            firstPage = pages.front().image();
            window->accept();
        });
        static_cast<SummaryPage*>(step())->previewReturn();
    };
    PageList first;
    QByteArray firstShown;
    preview(first, firstShown);
    ASSERT_FALSE(first.empty());

    wizard->backButton()->click();
    while (stepKey() != kTotalReceipts && wizard->backButton()->isEnabled())
        wizard->backButton()->click();
    type("totalReceipts", QStringLiteral("3000"));
    nextUntil(kSummary);
    // Finishing now is finishing without a preview of these figures.
    messages.answers = {false};
    wizard->finishButton()->click();
    EXPECT_EQ(messages.asked,
              QStringList{QStringLiteral("Are you sure you want to close this wizard without "
                                         "printing the return?")});
    ASSERT_TRUE(wizard->isVisible());

    PageList second;
    QByteArray secondShown;
    preview(second, secondShown);
    ASSERT_NE(secondShown, firstShown);
    messages.clear();
    wizard->finishButton()->click();
    EXPECT_EQ(messages.asked,
              QStringList{QStringLiteral("Would you like to add this return to the \"Return "
                                         "History\" of this client?")});
    wizard.reset();
    HistoryDatabase history;
    history.open(historyFilePath(client.path));
    const QList<QStringList> entries = listHistoryReturns(history);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0][3], QStringLiteral("3,000"));
    QTemporaryDir unpacked;
    const std::optional<PageList> stored =
        extractHistoryReturn(history, entries[0][0].toInt(), unpacked.filePath("return.zip"),
                             unpacked.filePath("pages"));
    ASSERT_TRUE(stored && !stored->empty());
    QFile storedFirst(stored->front().path());
    ASSERT_TRUE(storedFirst.open(QIODevice::ReadOnly));
    EXPECT_EQ(storedFirst.readAll(), secondShown) << "the history keeps the pages of 3,000";
}

// The help balloon of a field ("?" or F1) closes when its step is left and when the wizard
// closes, so it never covers the fields or the summary of later steps.
TEST_F(ReturnWizardTest, AFieldsHelpClosesWithItsStep) {
    open();
    nextUntil(kTotalReceipts);
    QPointer<BalloonTip> help = openHelp("totalReceipts");
    ASSERT_TRUE(help);
    next();
    ASSERT_EQ(stepKey(), kFoodInside);
    EXPECT_TRUE(!help || !help->isVisible());
    next();
    help = openHelp("generalSalesOutside");
    ASSERT_TRUE(help);
    wizard->cancelButton()->click();
    ASSERT_FALSE(wizard->isVisible());
    EXPECT_TRUE(!help || !help->isVisible());
}

// Cancel (the button or Esc) asks "cancel?" over the wizard: the help balloon closes as the
// question opens, so it never covers the question.
TEST_F(ReturnWizardTest, AFieldsHelpClosesWhenTheCancelQuestionOpens) {
    MessageBoxes::install(nullptr); // the real question box
    for (const bool escape : {false, true}) {
        open();
        nextUntil(kTotalReceipts);
        QPointer<BalloonTip> help = openHelp("totalReceipts");
        ASSERT_TRUE(help);
        bool helpShownWithQuestion = true;
        whenModalOpens<QMessageBox>([&](QMessageBox* question) {
            helpShownWithQuestion = help && help->isVisible();
            question->button(QMessageBox::No)->click();
        });
        if (escape)
            pressKey(step()->findChild<QLineEdit*>(QStringLiteral("totalReceipts")),
                     Qt::Key_Escape);
        else
            wizard->cancelButton()->click();
        EXPECT_FALSE(helpShownWithQuestion) << (escape ? "Esc" : "Cancel");
        EXPECT_TRUE(wizard->isVisible()) << "No keeps the wizard open";
    }
    MessageBoxes::install(&messages);
}

// On the ST-14 and ST-4 steps typing goes into the amount, not to the method choice.
TEST_F(ReturnWizardTest, TheMethodStepsStartOnTheAmount) {
    client.record.filesST14 = client.record.filesST4 = 1;
    open();
    for (const auto& [key, amount] : {std::pair{kSt14, "st14Amount"}, {kSt4Step1, "st4Amount"}}) {
        nextUntil(key);
        ASSERT_EQ(stepKey(), key);
        ASSERT_NE(wizard->focusWidget(), nullptr);
        EXPECT_EQ(wizard->focusWidget()->objectName(), QLatin1String(amount));
    }
}

TEST_F(ReturnWizardTest, TheSummaryExplainsTheSelectedAmountAndGivesTheFilingNotice) {
    // 2,000 a month is 24,000 a year: at or over 20,000 the notice shows; 1,600 (19,200) not.
    for (const auto& [receipts, notice] : {std::pair{"2000", true}, {"1600", false}}) {
        open();
        nextUntil(kTotalReceipts);
        type("totalReceipts", QLatin1String(receipts));
        nextUntil(kSummary);
        // The keyboard starts on the preview, not on the amounts that explain themselves.
        ASSERT_NE(wizard->focusWidget(), nullptr);
        EXPECT_EQ(wizard->focusWidget()->objectName().toStdString(), "previewReturn");
        auto* summary = static_cast<SummaryPage*>(step());
        summary->table()->setFocus();
        summary->table()->setCurrentCell(0, 1);
        const QString words = summary->explanations()->words()->toPlainText();
        EXPECT_TRUE(words.startsWith(QStringLiteral("Line 1, Total receipts: ") +
                                     groupThousands(QString::fromLatin1(receipts).toLongLong())))
            << words.toStdString();
        EXPECT_EQ(summary->explanations()->notice()->isVisibleTo(summary), notice) << receipts;
        // A cell without a figure of its own says nothing.
        summary->table()->setCurrentCell(1, 0);
        EXPECT_TRUE(summary->explanations()->words()->toPlainText().isEmpty());
        wizard.reset();
    }
}
