#include "wizards/multisite/MultiSiteImport.h"

#include "forms/multisite/LocationImport.h"
#include "wizards/multisite/CombinedSummaryStep.h"
#include "wizards/multisite/MultiSiteWizardState.h"

#include <algorithm>

FigureImportTarget multiSiteImportTarget(MultiSiteWizardState& state) {
    FigureImportTarget target;
    target.apply = [&state](const FigureImport& figures, const ReturnPeriod& period) {
        std::vector<ImportProblem> problems =
            prepareImportedLocations(*state.results, state.record(), state.shared.forms,
                                     state.client(), period, figures.rows, state.context());
        if (problems.empty()) {
            for (const ImportedRow& row : figures.rows)
                state.locationFigures[size_t(row.location)] = row.entries;
        }
        return problems;
    };
    target.hasFigures = [&state] {
        return std::ranges::any_of(state.results->listed(), &LocationResult::prepared);
    };
    target.summaryKey = CombinedSummaryStep::kKey;
    return target;
}
