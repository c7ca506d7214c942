// Multi-site returns driven through the real wizards: every multi-site case of the shared
// multisite.json, of tests/data/returns and of the folder named by VANTROBE_CASES_DIR is run as a
// preparer runs it. New Return's multi-site wizard gets the period typed on its period step; on
// the locations step each location is selected and prepared in its own location wizard, whose
// steps get the case's entries typed in (an earlier preparation first where the case has one);
// Next shows the combined summary, which MultiSiteWizardCaseRun checks with the preview.
#include "ForEachReturnCase.h"
#include "MultiSiteWizardCaseRun.h"
#include "WizardCaseDriver.h"
#include "forms/filling/FormSet.h"
#include "returns/St1Calculation.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/multisite/PrepareLocationsStep.h"
#include "wizards/return/ReturnWizard.h"

#include <QJsonArray>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <iostream>

namespace {
// Selects the location's row, presses "Prepare Location" and types `entries` into the
// location wizard's steps, which ends with Finish. When `refused`, the entries' bases miss
// line 3: Finish must be refused with the -6 message, and the preparer cancels.
void prepareLocation(CWizardDialog& wizard, int row, const QJsonObject& entries, bool refused,
                     ScriptedMessages& messages, QStringList& problems) {
    auto* step = static_cast<PrepareLocationsStep*>(wizard.activePage());
    bool opened = false;
    whenModalOpens<ReturnWizard>([&](ReturnWizard* locationWizard) {
        opened = true;
        QString problem;
        messages.clear();
        if (WizardCaseDriver::fillEveryStep(*locationWizard, entries, problem))
            locationWizard->finish();
        const bool stayedOpen = locationWizard->isVisible();
        if (stayedOpen)
            locationWizard->reject();
        if (refused && stayedOpen && problem.isEmpty()) {
            if (!messages.shown.contains(QString::fromLatin1(kSt1BasesMessage)))
                problems << QStringLiteral("location %1: refused without the -6 message: %2")
                                .arg(row)
                                .arg(messages.shown.join(QLatin1Char('|')));
            return;
        }
        if (refused)
            problems << QStringLiteral("location %1: the earlier preparation was not "
                                       "refused %2")
                            .arg(row)
                            .arg(problem);
        else if (stayedOpen)
            problems << QStringLiteral("location %1: %2")
                            .arg(row)
                            .arg(problem.isEmpty() ? QStringLiteral("Finish refused") : problem);
    });
    step->list()->setCurrentItem(step->list()->topLevelItem(row));
    step->prepareButton()->click();
    if (!opened)
        problems << QStringLiteral("location %1: no location wizard opened").arg(row);
}

// The period typed, every location prepared in its wizard, then Next.
void typeEveryLocation(CWizardDialog& wizard, const QJsonObject& input, const QJsonObject& expected,
                       ScriptedMessages& messages, QStringList& problems) {
    QString problem;
    if (!WizardCaseDriver::fillStepsUntil(wizard, input, PrepareLocationsStep::kKey, problem)) {
        problems << problem;
        return;
    }
    const QJsonArray locations = input[QStringLiteral("locations")].toArray();
    const QJsonArray expectedLocations = expected[QStringLiteral("locations")].toArray();
    for (int row = 0; row < locations.size(); ++row) {
        const QJsonObject location = locations[row].toObject();
        if (location.contains(QStringLiteral("preparedTwice"))) {
            const bool refused =
                expectedLocations[row][QStringLiteral("preparedTwiceStatus")].toInt() ==
                kSt1BasesDoNotAddUp;
            prepareLocation(wizard, row, location[QStringLiteral("preparedTwice")].toObject(),
                            refused, messages, problems);
        }
        prepareLocation(wizard, row, location, false, messages, problems);
    }
    wizard.next();
}
} // namespace

TEST(MultiSiteWizardCases, EveryCaseRunThroughTheWizards) {
    ASSERT_EQ(loadFormImages(forms()), 0);
    MultiSiteWizardCaseRun run(typeEveryLocation);
    forEachMultiSiteCase(std::ref(run));
    std::cout << "MultiSiteWizardCases: drove " << run.driven()
              << " multi-site cases through the wizards\n";
    EXPECT_GT(run.driven(), 0);
}
