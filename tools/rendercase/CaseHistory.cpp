#include "CaseHistory.h"

#include "MultiSiteCaseInput.h"
#include "ReturnCaseContext.h"
#include "ReturnCaseInput.h"
#include "forms/filling/FormSet.h"
#include "forms/multisite/CombineLocations.h"
#include "forms/multisite/LocationPreparation.h"
#include "forms/multisite/MultiSiteGeneration.h"
#include "forms/preview/ReturnGeneration.h"
#include "history/ReturnHistory.h"
#include "platform/Clock.h"
#include "returns/EnteredSections.h"
#include "returns/ReturnCalculation.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/LocationResult.h"

#include <QJsonArray>
#include <memory>

namespace {
// The cases compute with the tax line they carry, not with a table file.
const TaxTableIdentity kCaseTable{QString(), QStringLiteral("the case's taxLine"), QString()};

struct Generated {
    PageList pages;
    StoredInputs inputs;
    ReturnSummary summary;
    QString failure;
};

Generated singleSite(const QJsonObject& input, FormSet& set) {
    Generated result;
    auto record = std::make_unique<ReturnRecord>();
    ReturnCaseInput::build(input, *record);
    record->summary = ReturnSummary();
    computeAll(*record);
    GeneratedReturn generated =
        generateSingleSiteReturn(set, *record, ReturnCaseContext::fillContext(input), false);
    if (generated.failure != GenerationFailure::None) {
        result.failure = generationFailureMessage(generated.failure);
        return result;
    }
    result.pages = std::move(generated.pages);
    result.summary = record->summary;
    result.inputs = singleSiteInputs(*record, Clock::today(), kCaseTable);
    return result;
}

// Every location prepared from its final entries, as its location wizard leaves it.
void prepareLocations(const QJsonObject& input, const ClientRecord& client, FormSet& set,
                      ReturnRecord& record, LocationResults& results) {
    const FillContext context = ReturnCaseContext::fillContext(input);
    const QJsonArray locations = input[QStringLiteral("locations")].toArray();
    for (int row = 0; row < results.count; ++row) {
        LocationResult& entry = results.entries[size_t(row)];
        startLocationPreparation(record, set, results.period,
                                 locationClientRecord(client, entry.location), context);
        EnteredSections::storeEntries(locations[row].toObject(), record);
        storePreparedLocation(entry, record);
    }
}

Generated multiSite(const QJsonObject& input, FormSet& set) {
    Generated result;
    Clock::setFixedDate(ReturnCaseInput::today(input));
    const ClientRecord client =
        MultiSiteCaseInput::client(input[QStringLiteral("client")].toObject());
    auto results = std::make_unique<LocationResults>();
    bindLocations(*results, client);
    results->period = ReturnCaseInput::period(input);
    auto record = std::make_unique<ReturnRecord>();
    prepareLocations(input, client, set, *record, *results);
    const FillContext context = ReturnCaseContext::fillContext(input);
    const CombinedFills fills = combineLocations(*record, set, client, *results, context);
    MultiSiteGeneration generation =
        generateMultiSitePages(set, *record, fills, client, *results, context);
    if (!generation.ok()) {
        result.failure = generation.error;
        return result;
    }
    result.pages = std::move(generation.pages);
    result.summary = record->summary;
    result.inputs = multiSiteInputs(*record, *results, Clock::today(), kCaseTable);
    return result;
}

bool isMultiSite(const QJsonObject& input) {
    return input[QStringLiteral("client")][QStringLiteral("multiSite")].toInt() == 1;
}
} // namespace

QString CaseHistory::store(const QJsonObject& testCase, const QString& historyPath) {
    auto set = std::make_unique<FormSet>();
    if (loadFormImages(*set) != 0)
        return QStringLiteral("the page images cannot be loaded");
    const QJsonObject input = testCase[QStringLiteral("input")].toObject();
    const Generated generated =
        isMultiSite(input) ? multiSite(input, *set) : singleSite(input, *set);
    QString failure = generated.failure;
    if (failure.isEmpty() &&
        !addReturnToHistoryFile(historyPath, generated.pages, generated.summary, generated.inputs))
        failure = QStringLiteral("the return cannot be stored in %1").arg(historyPath);
    Clock::release();
    return failure;
}
