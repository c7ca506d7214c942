// Full returns imported through the wizards: the entered figures of every case of the shared
// returns.json and multisite.json, of tests/data/returns and of the folder named by
// VANTROBE_CASES_DIR are written as a file of figures (UTF-8 with commas, or, every other case
// whose texts Windows-1252 holds, Windows-1252 with semicolons), the period is chosen on the
// period step and the file imported with "Import Figures…". The wizard then goes on as the
// wizard runners check it (ReturnWizardCaseRun, MultiSiteWizardCaseRun): the summary and the
// computed return compared with `expected`, the preview's pages read back. A multi-site case's
// file holds each location's final figures (an earlier preparation is no part of the return).
#include "ForEachReturnCase.h"
#include "MultiSiteCaseInput.h"
#include "MultiSiteWizardCaseRun.h"
#include "ReturnCaseInput.h"
#include "ReturnWizardCaseRun.h"
#include "WizardCaseDriver.h"
#include "forms/filling/FormSet.h"
#include "platform/Cp1252.h"
#include "returns/import/CsvTable.h"
#include "returns/import/FigureCsv.h"
#include "support/TestFiles.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/multisite/CombinedSummaryStep.h"
#include "wizards/multisite/PrepareLocationsStep.h"
#include "wizards/return/ImportFiguresPanel.h"
#include "wizards/return/ImportProblemsDialog.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/PeriodPage.h"
#include "wizards/return/ReturnWizard.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <iostream>

namespace {
// Writes each case's figures as a file of figures and imports it on the period step.
class FigureFileImporter {
public:
    // Chooses the period of `input` as the period step shows it, then imports `entries` (one
    // entry object per row of the client's list) from a file; false with `problem` when the
    // import did not take the file.
    bool import(CWizardDialog& wizard, const QJsonObject& input, const ClientRecord& client,
                const std::vector<QJsonObject>& entries, int nextStep, ScriptedMessages& messages,
                QString& problem) {
        if (!WizardCaseDriver::fillStepsUntil(wizard, input, nextStep, problem))
            return false;
        wizard.back();
        const QString path = writeFile(client, entries);
        QStringList listed;
        const auto poll = whenProblemsListed(listed);
        messages.clear();
        messages.filesToOpen = {path};
        panel(wizard)->importButton()->click();
        if (!panel(wizard)->goToSummaryButton()->isVisibleTo(panel(wizard))) {
            problem = QStringLiteral("the import refused the file: ") +
                      (messages.shown + listed).join(QLatin1Char('|'));
            return false;
        }
        ++imported_;
        return true;
    }

    static ImportFiguresPanel* panel(CWizardDialog& wizard) {
        return static_cast<PeriodPage*>(wizard.page(PageKeys::kPeriod))->importPanel();
    }

    int imported() const { return imported_; }

private:
    QString writeFile(const ClientRecord& client, const std::vector<QJsonObject>& entries) {
        const std::vector<QStringList> rows = FigureCsv::figureRows(client, entries);
        const QString path = folder_.filePath(QStringLiteral("case%1.csv").arg(written_));
        const QString semicolons = formatCsv(rows, QLatin1Char(';'));
        const bool windows =
            written_++ % 2 == 1 && Cp1252::toUnicode(Cp1252::fromUnicode(semicolons)) == semicolons;
        TestFiles::writeAll(path,
                            windows ? Cp1252::fromUnicode(semicolons) : FigureCsv::utf8File(rows));
        return path;
    }

    // The problems list, should it open, read and closed; the poll stops with the timer.
    static std::unique_ptr<QTimer> whenProblemsListed(QStringList& listed) {
        auto poll = std::make_unique<QTimer>();
        poll->setInterval(5);
        QObject::connect(poll.get(), &QTimer::timeout, [&listed] {
            auto* dialog = qobject_cast<ImportProblemsDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            QTableWidget* table = dialog->table();
            for (int row = 0; row < table->rowCount(); ++row)
                listed << table->item(row, 0)->text() + QLatin1Char(' ') +
                              table->item(row, 1)->text() + QLatin1Char(' ') +
                              table->item(row, 3)->text();
            dialog->reject();
        });
        poll->start();
        return poll;
    }

    QTemporaryDir folder_;
    int written_ = 0;
    int imported_ = 0;
};

// Presses Next until the step `key` is shown; false when a step refused.
bool nextUntil(CWizardDialog& wizard, int key) {
    for (int presses = 0; presses < 30; ++presses) {
        if (wizard.activePage() && wizard.activePage()->key() == key)
            return true;
        const CWizardPage* shown = wizard.activePage();
        wizard.next();
        if (wizard.activePage() == shown)
            return false;
    }
    return false;
}

// Imports the entered figures of a multi-site case, one row per location with the final
// preparation's figures; false after a problem.
bool importLocations(FigureFileImporter& importer, CWizardDialog& wizard, const QJsonObject& input,
                     ScriptedMessages& messages, QStringList& problems) {
    const ClientRecord client =
        MultiSiteCaseInput::client(input[QStringLiteral("client")].toObject());
    std::vector<QJsonObject> figures;
    for (const QJsonValue& location : input[QStringLiteral("locations")].toArray())
        figures.push_back(location.toObject());
    QString problem;
    if (importer.import(wizard, input, client, figures, PrepareLocationsStep::kKey, messages,
                        problem))
        return true;
    problems << problem;
    return false;
}
} // namespace

TEST(ImportWizardCases, EverySingleSiteCaseImportedOnThePeriodStep) {
    FigureFileImporter importer;
    ReturnWizardCaseRun run([&importer](ReturnWizard& wizard, const QJsonObject& input,
                                        ScriptedMessages& messages, QString& problem) {
        const ClientRecord client =
            ReturnCaseInput::client(input[QStringLiteral("client")].toObject());
        if (!importer.import(wizard, input, client, {input}, PageKeys::kTotalReceipts, messages,
                             problem))
            return false;
        const bool blankForms =
            input[QStringLiteral("st1")][QStringLiteral("totalReceipts")].toDouble() == 0;
        if (!blankForms) {
            FigureFileImporter::panel(wizard)->goToSummaryButton()->click();
        } else {
            // No file holds blank forms: the preparer ticks them on the total receipts step.
            wizard.next();
            wizard.activePage()->findChild<QCheckBox*>(QStringLiteral("printBlankForms"))->click();
            wizard.next();
        }
        if (wizard.activePage()->key() == PageKeys::kSummary)
            return true;
        problem = QStringLiteral("step %1 refused the imported figures: %2")
                      .arg(wizard.activePage()->key())
                      .arg(messages.shown.join(QLatin1Char('|')));
        return false;
    });
    forEachReturnCase(std::ref(run));
    std::cout << "ImportWizardCases: imported " << importer.imported() << " single-site cases\n";
    EXPECT_EQ(importer.imported(), run.driven());
    EXPECT_GT(run.driven(), 0);
}

// Each location's file row prepares it; "Go to Summary" goes to the combined return.
TEST(ImportWizardCases, EveryMultiSiteCaseImportedOnThePeriodStep) {
    ASSERT_EQ(loadFormImages(forms()), 0);
    FigureFileImporter importer;
    MultiSiteWizardCaseRun run([&importer](CWizardDialog& wizard, const QJsonObject& input,
                                           const QJsonObject&, ScriptedMessages& messages,
                                           QStringList& problems) {
        if (importLocations(importer, wizard, input, messages, problems))
            FigureFileImporter::panel(wizard)->goToSummaryButton()->click();
    });
    forEachMultiSiteCase(std::ref(run));
    std::cout << "ImportWizardCases: imported " << importer.imported() << " multi-site cases\n";
    EXPECT_EQ(importer.imported(), run.driven());
    EXPECT_GT(run.driven(), 0);
}

// After the import the preparer opens every location, reviews its steps with Next and
// finishes it: the location wizards start from the imported figures and store them again.
TEST(ImportWizardCases, EveryMultiSiteCaseReviewedLocationByLocation) {
    ASSERT_EQ(loadFormImages(forms()), 0);
    FigureFileImporter importer;
    MultiSiteWizardCaseRun run([&importer](CWizardDialog& wizard, const QJsonObject& input,
                                           const QJsonObject&, ScriptedMessages& messages,
                                           QStringList& problems) {
        if (!importLocations(importer, wizard, input, messages, problems))
            return;
        wizard.next();
        auto* step = static_cast<PrepareLocationsStep*>(wizard.activePage());
        for (int row = 0; row < step->list()->topLevelItemCount(); ++row) {
            bool finished = false;
            whenModalOpens<ReturnWizard>([&finished](ReturnWizard* location) {
                if (nextUntil(*location, PageKeys::kSummary))
                    location->finish();
                finished = !location->isVisible();
                if (!finished)
                    location->reject();
            });
            step->list()->setCurrentItem(step->list()->topLevelItem(row));
            step->prepareButton()->click();
            if (!finished)
                problems << QStringLiteral("location %1 did not finish with its figures: %2")
                                .arg(row)
                                .arg(messages.shown.join(QLatin1Char('|')));
        }
        wizard.next();
    });
    forEachMultiSiteCase(std::ref(run));
    std::cout << "ImportWizardCases: reviewed " << importer.imported()
              << " imported multi-site cases\n";
    EXPECT_EQ(importer.imported(), run.driven());
    EXPECT_GT(run.driven(), 0);
}
