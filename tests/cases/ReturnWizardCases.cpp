// Full returns driven through the real return wizard: every single-site case of the shared
// returns.json, of tests/data/returns and of the folder named by VANTROBE_CASES_DIR is typed
// into the wizard's steps as a preparer types it, then checked as ReturnWizardCaseRun checks
// it: the summary table and the computed sections of the return, and after "Preview Return"
// the page list and the text of every field of every page file (or the message of a case whose
// generation must stop).
#include "ForEachReturnCase.h"
#include "ReturnWizardCaseRun.h"
#include "WizardCaseDriver.h"
#include "wizards/return/ReturnWizard.h"

#include <gtest/gtest.h>
#include <iostream>

TEST(ReturnWizardCases, EveryCaseTypedIntoTheWizard) {
    ReturnWizardCaseRun run(
        [](ReturnWizard& wizard, const QJsonObject& input, ScriptedMessages&, QString& problem) {
            return WizardCaseDriver::fillEveryStep(wizard, input, problem);
        });
    forEachReturnCase(std::ref(run));
    std::cout << "ReturnWizardCases: drove " << run.driven() << " cases through the wizard\n";
    EXPECT_GT(run.driven(), 0);
}
