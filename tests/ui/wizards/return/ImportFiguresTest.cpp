// "Import Figures…" on the period step of the single-site return wizard, "Go to Summary", the
// problems list and "Export Figures…" on the summary step.
#include "forms/filling/FormSet.h"
#include "platform/Clock.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "returns/entry/EntrySteps.h"
#include "returns/import/CsvTable.h"
#include "returns/import/FigureCsv.h"
#include "support/LoadedForms.h"
#include "support/TestClients.h"
#include "support/TestFiles.h"
#include "ui/AmountEdit.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "ui/wizards/return/ReturnWizardFixture.h"
#include "wizards/return/ImportFiguresPanel.h"
#include "wizards/return/ImportLayoutDialog.h"
#include "wizards/return/ImportProblemsDialog.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/PeriodPage.h"
#include "wizards/return/ReturnWizard.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>

namespace {
using namespace PageKeys;

// A Springfield client (rates of 8.75 % and 2.25 %) with resale deductions that files ST-14
// and ST-8, the clock at 15 March 2005, the wizard on its period step.
class ImportFiguresTest : public ReturnWizardFixture {
protected:
    ImportFiguresTest() : ReturnWizardFixture("Acme Grocery Inc") {}

    void SetUp() override {
        ReturnWizardFixture::SetUp();
        client.record.deductionGroup1 = 1;
        client.record.filesST14 = 1;
        client.record.filesST8 = 1;
        open();
        next();
    }

    static std::vector<QStringList> goodRows() {
        return {{"name", "totalReceipts", "foodEntered", "resale", "otherDeduction1Description",
                 "otherDeduction1", "st14Method", "st14Amount", "tiresSold", "st8Penalty"},
                {"Acme Grocery Inc", "$10,000.00", "1022.50", "250.50", "Trade-ins, used", "100",
                 "3", "111.11", "12", "5.49"}};
    }

    QString file(const char* name, const QByteArray& bytes) {
        const QString path = folder.filePath(QLatin1String(name));
        TestFiles::writeAll(path, bytes);
        return path;
    }

    ImportFiguresPanel* panel() const {
        return static_cast<PeriodPage*>(wizard->page(kPeriod))->importPanel();
    }
    void importFile(const QString& path) {
        messages.filesToOpen = {path};
        panel()->importButton()->click();
    }
    template <typename Widget>
    Widget* field(const char* name) const {
        return wizard->activePage()->findChild<Widget*>(QLatin1String(name));
    }

    // The figures of goodRows() as the steps store them.
    void expectGoodFiguresStored() const {
        EXPECT_EQ(record->st1.totalReceipts, 10000.0);
        EXPECT_EQ(record->st1.foodSalesInside, foodBaseFromTotal(1022.50, *record));
        EXPECT_EQ(record->worksheet.resale, 251); // the step rounds 250.50
        EXPECT_EQ(record->worksheet.otherDeduction1, 100);
        EXPECT_EQ(record->worksheet.otherDeduction1Description, QStringLiteral("Trade-ins, used"));
        EXPECT_EQ(record->st14.st14Method, 2);
        EXPECT_EQ(record->st14.st14Amount, 111.11);
        EXPECT_EQ(record->st8.tiresSold, 12);
        EXPECT_EQ(record->st8.st8Penalty, 5);
    }

    QTemporaryDir folder;
};
} // namespace

TEST_F(ImportFiguresTest, GoToSummaryPassesEveryStepWithTheImportedFigures) {
    importFile(file("march.csv", FigureCsv::utf8File(goodRows())));
    ASSERT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
    EXPECT_TRUE(panel()->status()->isVisibleTo(panel()));
    EXPECT_TRUE(panel()->status()->text().contains(QStringLiteral("\u201cmarch.csv\u201d")));
    ASSERT_TRUE(panel()->goToSummaryButton()->isVisibleTo(panel()));
    EXPECT_EQ(stepKey(), kPeriod); // the import itself moves nowhere
    panel()->goToSummaryButton()->click();
    EXPECT_EQ(stepKey(), kSummary);
    expectGoodFiguresStored();
    EXPECT_GT(record->summary.st8PaymentDue, 0); // 12 tires and the penalty
    EXPECT_GT(record->summary.summaryTotalReceipts, 0);
}

TEST_F(ImportFiguresTest, NextReviewsTheFiguresStepByStep) {
    importFile(file("march.csv", FigureCsv::utf8File(goodRows())));
    wizard->next();
    ASSERT_EQ(stepKey(), kTotalReceipts);
    EXPECT_EQ(field<QLineEdit>("totalReceipts")->text(), QStringLiteral("10000"));
    EXPECT_EQ(field<QLineEdit>("liquorPurchases")->text(), QString());
    wizard->next();
    ASSERT_EQ(stepKey(), kFoodInside);
    EXPECT_TRUE(field<QRadioButton>("foodMethod2")->isChecked());
    EXPECT_EQ(field<QLineEdit>("foodEntered")->text(), QStringLiteral("1022.5"));
    nextUntil(kOtherDeductions);
    EXPECT_EQ(field<QLineEdit>("otherDeduction1Description")->text(),
              QStringLiteral("Trade-ins, used"));
    nextUntil(kSt14);
    EXPECT_TRUE(field<QRadioButton>("method3")->isChecked());
    nextUntil(kSummary);
    expectGoodFiguresStored();
}

TEST_F(ImportFiguresTest, ABadFileListsEveryProblemAndChangesNothing) {
    wizard->next();
    typeInto(field<QLineEdit>("totalReceipts"), QStringLiteral("5000"));
    wizard->back();
    std::vector<QStringList> rows = goodRows();
    rows[1][3] = QStringLiteral("-250.50");
    rows[1][8] = QStringLiteral("12.5");
    QStringList listed;
    QString summary;
    whenModalOpens<ImportProblemsDialog>([&](ImportProblemsDialog* dialog) {
        summary = dialog->summary()->text();
        QTableWidget* table = dialog->table();
        for (int row = 0; row < table->rowCount(); ++row)
            listed << table->item(row, 0)->text() + QLatin1Char(' ') + table->item(row, 1)->text();
        dialog->reject();
    });
    messages.answers = {true}; // replace what was typed
    importFile(file("bad.csv", FigureCsv::utf8File(rows)));
    EXPECT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(messages.noDefaults, std::vector<bool>{true}); // Enter keeps what was typed
    EXPECT_EQ(listed, QStringList({"2 resale (D)", "2 tiresSold (I)"}));
    EXPECT_TRUE(summary.contains(QStringLiteral("Nothing was imported from \u201cbad.csv\u201d: 2 "
                                                "problems")));
    EXPECT_FALSE(panel()->goToSummaryButton()->isVisibleTo(panel()));
    wizard->next();
    EXPECT_EQ(field<QLineEdit>("totalReceipts")->text(), QStringLiteral("5000"));
}

TEST_F(ImportFiguresTest, AFileThatIsNoFileOfFiguresIsToldInAMessage) {
    importFile(file("book.csv", QByteArray("PK\x03\x04 a workbook", 16)));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("Nothing was imported from "
                                                            "\u201cbook.csv\u201d.")));
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("spreadsheet workbook")));
    EXPECT_EQ(stepKey(), kPeriod);
}

TEST_F(ImportFiguresTest, ExportFiguresWritesWhatTheStepsHoldInTheLayout) {
    const QString imported = file("march.csv", FigureCsv::utf8File(goodRows()));
    importFile(imported);
    panel()->goToSummaryButton()->click();
    ASSERT_EQ(stepKey(), kSummary);
    const QString exported = folder.filePath(QStringLiteral("export.csv"));
    messages.filesToSave = {exported};
    field<QPushButton>("exportFigures")->click();
    const FigureImport original = readFigureFile(imported, client.record);
    const FigureImport again = readFigureFile(exported, client.record);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.rows[0].entries, original.rows[0].entries);
    const std::vector<QStringList> written =
        parseCsv(QString::fromUtf8(TestFiles::readAll(exported))).rows;
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0], FigureCsv::templateRows(client.record)[0]);
    EXPECT_TRUE(written[1].contains(QStringLiteral("10000.00")));
}

TEST_F(ImportFiguresTest, TheLayoutExplainsTheColumnsAndSavesTheTemplate) {
    const QString saved = folder.filePath(QStringLiteral("template.csv"));
    messages.filesToSave = {saved};
    QString help;
    whenModalOpens<ImportLayoutDialog>([&](ImportLayoutDialog* dialog) {
        help = dialog->text()->toPlainText();
        dialog->saveTemplateButton()->click();
        dialog->reject();
    });
    panel()->layoutButton()->click();
    EXPECT_TRUE(help.contains(QStringLiteral("foodEntered")));
    EXPECT_EQ(TestFiles::readAll(saved),
              FigureCsv::utf8File(FigureCsv::templateRows(client.record)));
}

TEST_F(ImportFiguresTest, EveryStepShowsTheFieldsOfItsEntryStep) {
    client.record.deductionGroup2 = client.record.deductionGroup3 = 1;
    client.record.motorFuel.sellsMotorFuel = 1;
    client.record.filesST4 = 1;
    wizard = std::make_unique<ReturnWizard>(
        ReturnWizardState{*record, *set, settings, client, false, false, {}});
    wizard->show();
    for (const EntrySteps::Step& step : EntrySteps::all()) {
        nextUntil(step.page);
        ASSERT_EQ(stepKey(), step.page);
        QStringList shown;
        for (const QLineEdit* edit : wizard->activePage()->findChildren<QLineEdit*>()) {
            if (!edit->objectName().isEmpty())
                shown << edit->objectName();
        }
        QStringList wanted;
        for (const EntrySteps::Field& field : step.fields) {
            if (field.kind == EntrySteps::FieldKind::Method) {
                EXPECT_NE(wizard->activePage()->findChild<QRadioButton*>("method3"), nullptr);
                continue;
            }
            wanted << QLatin1String(field.key);
            const auto* amount =
                wizard->activePage()->findChild<const AmountEdit*>(QLatin1String(field.key));
            if (field.kind != EntrySteps::FieldKind::Text && amount) {
                EXPECT_EQ(amount->kind(), EntrySteps::amountKind(field.kind)) << field.key;
            }
        }
        shown.sort();
        wanted.sort();
        EXPECT_EQ(shown, wanted) << step.page;
    }
}
