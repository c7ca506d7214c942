#include "MultiSiteCaseRun.h"

#include "MultiSiteCaseInput.h"
#include "ReturnCaseContext.h"
#include "ReturnCaseInput.h"
#include "ReturnCaseResults.h"
#include "forms/multisite/CombineLocations.h"
#include "forms/multisite/LocationPreparation.h"
#include "platform/Clock.h"
#include "returns/EnteredSections.h"
#include "returns/multisite/LocationClient.h"

MultiSiteCaseRun::MultiSiteCaseRun(const QJsonObject& input)
    : context(ReturnCaseContext::fillContext(input)),
      client(MultiSiteCaseInput::client(input[QStringLiteral("client")].toObject())),
      results(std::make_unique<LocationResults>()), record(std::make_unique<ReturnRecord>()) {
    Clock::setFixedDate(ReturnCaseInput::today(input));
    bindLocations(*results, client);
    results->period = ReturnCaseInput::period(input);
}

QJsonArray MultiSiteCaseRun::prepareLocations(const QJsonObject& input, FormSet& set) {
    const QJsonArray locations = input[QStringLiteral("locations")].toArray();
    QJsonArray sections;
    for (int row = 0; row < results->count; ++row) {
        const QJsonObject location = locations[row].toObject();
        QJsonValue earlierStatus;
        if (location.contains(QStringLiteral("preparedTwice")))
            earlierStatus = prepare(row, location[QStringLiteral("preparedTwice")].toObject(),
                                    set)[QStringLiteral("st1Status")];
        QJsonObject section = prepare(row, location, set);
        if (!earlierStatus.isUndefined())
            section[QStringLiteral("preparedTwiceStatus")] = earlierStatus;
        sections.append(section);
    }
    return sections;
}

QJsonObject MultiSiteCaseRun::prepare(int row, const QJsonObject& entries, FormSet& set) {
    LocationResult& entry = results->entries[size_t(row)];
    startLocationPreparation(*record, set, results->period,
                             locationClientRecord(client, entry.location), context);
    EnteredSections::storeEntries(entries, *record);
    const int status = storePreparedLocation(entry, *record);
    return ReturnCaseResults::calculationSections(*record, status);
}

CombinedFills MultiSiteCaseRun::combine(FormSet& set, StepRecorder steps) {
    return combineLocations(*record, set, client, *results, context, steps);
}

PreparedReturn MultiSiteCaseRun::prepared(const QJsonObject& input, FormSet& set,
                                          CombinedFills& fills) {
    prepareLocations(input, set);
    CalculationSteps steps;
    fills = combine(set, StepRecorder(steps));
    return preparedMultiSiteReturn(*record, steps, *results);
}
