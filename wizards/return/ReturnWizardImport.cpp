#include "wizards/return/ReturnWizardImport.h"

#include "returns/entry/EntrySteps.h"
#include "ui/wizard/CWizardDialog.h"
#include "ui/wizard/CWizardPage.h"
#include "wizards/return/EntryFields.h"
#include "wizards/return/ReturnWizardState.h"

#include <algorithm>

FigureImportTarget singleSiteImportTarget(CWizardDialog& wizard, ReturnWizardState& state) {
    FigureImportTarget target;
    target.apply = [&wizard, &state](const FigureImport& figures, const ReturnPeriod&) {
        EntryFields::startFrom(wizard, state, figures.rows.front().entries);
        return std::vector<ImportProblem>();
    };
    target.hasFigures = [&wizard, &state] {
        return !state.startEntries.isEmpty() ||
               std::ranges::any_of(EntrySteps::all(), [&wizard](const EntrySteps::Step& step) {
                   const CWizardPage* page = wizard.page(step.page);
                   return page && page->isCreated();
               });
    };
    target.summaryKey = PageKeys::kSummary;
    return target;
}
