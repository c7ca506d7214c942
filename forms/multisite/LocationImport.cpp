#include "forms/multisite/LocationImport.h"

#include "forms/multisite/LocationPreparation.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "returns/import/ImportedEntries.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/LocationResult.h"
#include "returns/multisite/PreparedLocation.h"

#include <memory>

namespace {
ImportProblem basesProblem(const ImportedRow& row, const St1Section& st1) {
    return {row.fileRow,
            {},
            QStringLiteral("ST-1 line 3 of %1 against lines 4a + 5a + 6a + 7a + 8a of %2")
                .arg(st1.line3)
                .arg(st1.check.basesSum),
            QStringLiteral("figures whose lines 4a to 8a add up to line 3, as the location's "
                           "wizard requires: \"%1\"")
                .arg(QString::fromLatin1(kSt1BasesMessage).trimmed())};
}
} // namespace

int prepareLocationFromEntries(LocationResult& entry, ReturnRecord& record, FormSet& set,
                               const ReturnPeriod& period, const ClientRecord& client,
                               const QJsonObject& entries, const FillContext& context) {
    startLocationPreparation(record, set, period, locationClientRecord(client, entry.location),
                             context);
    storeImportedEntries(entries, record);
    return storePreparedLocation(entry, record);
}

std::vector<ImportProblem> prepareImportedLocations(LocationResults& results, ReturnRecord& record,
                                                    FormSet& set, const ClientRecord& client,
                                                    const ReturnPeriod& period,
                                                    const std::vector<ImportedRow>& rows,
                                                    const FillContext& context) {
    // Each row's location is prepared into an entry of its own (a prepared location replaces
    // every section of its entry), so only those entries, not all of `results`, wait to be
    // taken. The period is a copy, since it may be the record's own, which each preparation
    // resets.
    const ReturnPeriod taken = period;
    std::vector<LocationResult> prepared(rows.size());
    const auto before = std::make_unique<ReturnRecord>(record);
    std::vector<ImportProblem> problems;
    for (size_t index = 0; index < rows.size(); ++index) {
        const ImportedRow& row = rows[index];
        LocationResult& entry = prepared[index];
        entry.location = results.entries[size_t(row.location)].location;
        if (prepareLocationFromEntries(entry, record, set, taken, client, row.entries, context) ==
            kSt1BasesDoNotAddUp)
            problems.push_back(basesProblem(row, record.st1));
    }
    if (!problems.empty()) {
        record = *before;
        return problems;
    }
    results.period = taken;
    for (size_t index = 0; index < rows.size(); ++index)
        results.entries[size_t(rows[index].location)] = std::move(prepared[index]);
    return problems;
}

std::vector<int> prepareLocationsAgain(LocationResults& results, ReturnRecord& record, FormSet& set,
                                       const ClientRecord& client, ReturnPeriod period,
                                       std::span<const QJsonObject> figures,
                                       const FillContext& context) {
    results.period = period;
    std::vector<int> refused;
    for (int row = 0; row < results.count; ++row) {
        LocationResult& entry = results.entries[size_t(row)];
        if (!entry.prepared)
            continue;
        if (prepareLocationFromEntries(entry, record, set, period, client, figures[size_t(row)],
                                       context) == kSt1BasesDoNotAddUp) {
            entry.prepared = false;
            refused.push_back(row);
        }
    }
    return refused;
}
