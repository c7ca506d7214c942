// "Import Figures…" on the period step of the multi-site wizard, with the real location wizards.
#include "forms/filling/FormSet.h"
#include "platform/Clock.h"
#include "returns/GroupThousands.h"
#include "returns/ReturnRecord.h"
#include "returns/import/FigureCsv.h"
#include "support/TestClients.h"
#include "support/TestFiles.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/multisite/CombinedSummaryStep.h"
#include "wizards/multisite/MultiSiteWizard.h"
#include "wizards/multisite/PrepareLocationsStep.h"
#include "wizards/return/ImportFiguresPanel.h"
#include "wizards/return/ImportProblemsDialog.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/PeriodPage.h"
#include "wizards/return/ReturnWizard.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
// A three-site Springfield client that files ST-14, the clock at 15 March 2005; the wizard
// runs with the program's own location wizards and `script` acts on it on its period step.
class MultiSiteImportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(loadFormImages(forms()), 0); }

    void SetUp() override {
        Clock::setFixedDate(QDate(2005, 3, 15));
        client.record = TestClients::springfieldSites(3);
        client.record.filesST14 = 1;
    }
    void TearDown() override { Clock::release(); }

    void run(const std::function<void(CWizardDialog*)>& script) {
        whenModalOpens<CWizardDialog>([script](CWizardDialog* dialog) {
            dialog->next();
            script(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        ReturnWizardSettings settings;
        resetReturnAndForms(currentReturn(), forms(), settings.fill);
        runMultiSiteWizard(nullptr, client, settings);
    }

    static std::vector<QStringList> goodRows() {
        return {{"locationNumber", "name", "totalReceipts", "foodSalesInside", "st14Method",
                 "st14Amount"},
                {"10", "Site 1", "10000", "2000", "", ""},
                {"11", "Site 2", "20000.50", "", "2", "300"},
                {"3", "Site 3", "30000", "", "", ""}};
    }

    QString file(const char* name, const std::vector<QStringList>& rows) {
        const QString path = folder.filePath(QLatin1String(name));
        TestFiles::writeAll(path, FigureCsv::utf8File(rows));
        return path;
    }

    void importFile(CWizardDialog* dialog, const QString& path) {
        messages.filesToOpen = {path};
        panel(dialog)->importButton()->click();
    }
    static ImportFiguresPanel* panel(CWizardDialog* dialog) {
        return static_cast<PeriodPage*>(dialog->page(PageKeys::kPeriod))->importPanel();
    }
    static PrepareLocationsStep* locations(CWizardDialog* dialog) {
        return static_cast<PrepareLocationsStep*>(dialog->page(PrepareLocationsStep::kKey));
    }
    static bool markedPrepared(CWizardDialog* dialog, int row) {
        return !locations(dialog)->list()->topLevelItem(row)->icon(0).isNull();
    }
    static QString totalReceiptsShown(CWizardDialog* dialog) {
        return static_cast<CombinedSummaryStep*>(dialog->page(CombinedSummaryStep::kKey))
            ->amountLabel(0)
            ->text();
    }

    QTemporaryDir folder;
    ClientInfo client;
    ScriptedMessages messages;
};
} // namespace

TEST_F(MultiSiteImportTest, EveryLocationIsPreparedAndGoToSummaryShowsTheCombinedReturn) {
    run([this](CWizardDialog* dialog) {
        importFile(dialog, file("q1.csv", goodRows()));
        ASSERT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
        EXPECT_TRUE(panel(dialog)->status()->text().startsWith(
            QStringLiteral("The figures of 3 locations were imported from \u201cq1.csv\u201d.")));
        panel(dialog)->goToSummaryButton()->click();
        ASSERT_EQ(dialog->activePage()->key(), CombinedSummaryStep::kKey);
        // Line 1 is the sum of the rounded total receipts: 10,000 + 20,001 + 30,000.
        EXPECT_EQ(totalReceiptsShown(dialog), QStringLiteral("60,001"));
        dialog->back();
        for (int row = 0; row < 3; ++row)
            EXPECT_TRUE(markedPrepared(dialog, row)) << row;
    });
}

TEST_F(MultiSiteImportTest, ALocationOpensInItsWizardWithItsImportedFigures) {
    run([this](CWizardDialog* dialog) {
        importFile(dialog, file("q1.csv", goodRows()));
        dialog->next();
        ASSERT_EQ(dialog->activePage()->key(), PrepareLocationsStep::kKey);
        QStringList seen;
        whenModalOpens<ReturnWizard>([&seen](ReturnWizard* location) {
            seen << location->activePage()->findChild<QLineEdit*>("totalReceipts")->text();
            for (int presses = 0; presses < 20 && location->activePage()->key() != PageKeys::kSt14;
                 ++presses)
                location->next();
            seen << location->activePage()->findChild<QLineEdit*>("st14Amount")->text();
            seen << QString::number(
                location->activePage()->findChild<QRadioButton*>("method2")->isChecked());
            location->reject();
        });
        QTreeWidget* list = locations(dialog)->list();
        list->setCurrentItem(list->topLevelItem(1));
        locations(dialog)->prepareButton()->click();
        EXPECT_EQ(seen, QStringList({"20000.5", "300", "1"}));
        // Cancelled, the location keeps its imported figures.
        EXPECT_TRUE(markedPrepared(dialog, 1));
        dialog->next();
        EXPECT_EQ(totalReceiptsShown(dialog), QStringLiteral("60,001"));
    });
}

TEST_F(MultiSiteImportTest, AFileWithTwoBadRowsShowsBothAndPreparesNoLocation) {
    std::vector<QStringList> rows = goodRows();
    rows[1][3] = QStringLiteral("10000"); // food equal to the total receipts
    rows[3][0] = QStringLiteral("7");     // no location 7
    QStringList listed;
    whenModalOpens<ImportProblemsDialog>([&listed](ImportProblemsDialog* dialog) {
        for (int row = 0; row < dialog->table()->rowCount(); ++row)
            listed << dialog->table()->item(row, 0)->text() + QLatin1Char(' ') +
                          dialog->table()->item(row, 1)->text();
        dialog->reject();
    });
    run([&](CWizardDialog* dialog) {
        importFile(dialog, file("bad.csv", rows));
        EXPECT_FALSE(panel(dialog)->goToSummaryButton()->isVisibleTo(panel(dialog)));
        dialog->next();
        for (int row = 0; row < 3; ++row)
            EXPECT_FALSE(markedPrepared(dialog, row)) << row;
        dialog->next(); // refused: no location is prepared
        EXPECT_EQ(dialog->activePage()->key(), PrepareLocationsStep::kKey);
    });
    EXPECT_EQ(listed,
              QStringList({"2 foodSalesInside (D)", "4 locationNumber (A)", "\u2014 (the row)"}));
}

TEST_F(MultiSiteImportTest, TheExportedFiguresImportToTheSameLocations) {
    const QString exported = folder.filePath(QStringLiteral("export.csv"));
    run([&](CWizardDialog* dialog) {
        const QString imported = file("q1.csv", goodRows());
        importFile(dialog, imported);
        panel(dialog)->goToSummaryButton()->click();
        messages.filesToSave = {exported};
        dialog->activePage()->findChild<QPushButton*>("exportFigures")->click();
        const FigureImport original = readFigureFile(imported, client.record);
        const FigureImport again = readFigureFile(exported, client.record);
        ASSERT_TRUE(again.ok());
        ASSERT_EQ(again.rows.size(), 3u);
        for (size_t row = 0; row < 3; ++row)
            EXPECT_EQ(again.rows[row].entries, original.rows[row].entries) << row;
    });
}

TEST_F(MultiSiteImportTest, AnotherPeriodChosenAfterTheImportPreparesTheLocationsAgain) {
    const QString path = file("q1.csv", goodRows());
    const auto paymentDue = [](CWizardDialog* dialog) {
        return static_cast<CombinedSummaryStep*>(dialog->page(CombinedSummaryStep::kKey))
            ->amountLabel(3)
            ->text();
    };
    const auto chooseAugust2004 = [](CWizardDialog* dialog) {
        // March 2005 is the default; August of the list is 2004, at the prior rates.
        dialog->page(PageKeys::kPeriod)->findChild<QComboBox*>("months")->setCurrentIndex(7);
    };
    QString forMarch;
    QString changedToAugust;
    run([&](CWizardDialog* dialog) {
        importFile(dialog, path);
        panel(dialog)->goToSummaryButton()->click();
        forMarch = paymentDue(dialog);
        dialog->back();
        dialog->back();
        chooseAugust2004(dialog);
        dialog->next();
        for (int row = 0; row < 3; ++row)
            EXPECT_TRUE(markedPrepared(dialog, row)) << row;
        dialog->next();
        changedToAugust = paymentDue(dialog);
    });
    QString importedForAugust;
    run([&](CWizardDialog* dialog) {
        chooseAugust2004(dialog);
        importFile(dialog, path);
        panel(dialog)->goToSummaryButton()->click();
        importedForAugust = paymentDue(dialog);
    });
    EXPECT_NE(changedToAugust, forMarch);
    EXPECT_EQ(changedToAugust, importedForAugust);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
}
