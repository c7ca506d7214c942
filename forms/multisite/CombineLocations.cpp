#include "forms/multisite/CombineLocations.h"

#include "forms/multisite/St2Rows.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnRecord.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/LocationResult.h"
#include "returns/multisite/LocationSums.h"

#include <vector>

namespace {
constexpr int kIbtKey = 50;

void resetSections(ReturnRecord& record) {
    record.st1 = St1Section();
    record.worksheet = St1Worksheet();
    record.st14 = St14Section();
    record.st4 = St4Section();
    record.st8 = St8Section();
    record.gasoholWorksheet = GasoholWorksheet();
    record.summary = ReturnSummary();
}

void blankSt2Pages(FormSet& set) {
    for (St2PageForm& page : set.st2Pages)
        page.fill({}, {}, {});
}

void fillSt2Pages(CombinedFills& fills, FormSet& set, const ClientRecord& client,
                  const LocationResults& results, const ReturnRecord& record) {
    const QString& ibtNumber = set.st1.kept().texts[kIbtKey];
    for (int page = 0; page < st2PagesUsed(results.count); ++page) {
        const std::vector<St2Entry> entries = st2PageEntries(client, results, page);
        const bool filled =
            set.st2Pages[size_t(page)].fill(entries, ibtNumber, record.texts.periodText);
        fills.st2Pages[size_t(page)] = filled;
        if (!filled)
            return;
    }
}

// The page 1 values of the combined return: the summed figures with the texts the primary
// location's page 1 fill kept.
void keepCombinedValues(St1Form& form, const LocationResults& results) {
    std::vector<St1KeptValues> locations;
    for (const LocationResult& entry : results.listed())
        locations.push_back(keptFiguresOf(entry.st1));
    if (!locations.empty())
        locations.front().texts = form.kept().texts;
    form.kept() = combineKeptValues(locations);
}
} // namespace

CombinedFills combineLocations(ReturnRecord& record, FormSet& set, const ClientRecord& client,
                               const LocationResults& results, const FillContext& context,
                               StepRecorder steps) {
    CombinedFills fills;
    resetSections(record);
    blankSt2Pages(set);
    if (results.count == 0)
        return fills;
    takeClient(record, locationClientRecord(client, results.entries[0].location));
    setPeriod(record, results.period);
    computeAll(record);
    set.st1.fill(record, context);
    resetSections(record);
    sumLocations(record, results.listed(), steps);
    fillSt2Pages(fills, set, client, results, record);
    keepCombinedValues(set.st1, results);
    fills.st1Page1 = set.st1.fillCombined(context);
    fills.st1Page2 = set.st1Worksheet.fill(record, St1WorksheetForm::Totals::AsCombined);
    takeClient(record, client);
    return fills;
}
