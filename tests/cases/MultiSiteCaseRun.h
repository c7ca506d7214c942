#pragma once

#include "clients/ClientRecord.h"
#include "forms/filling/FillContext.h"
#include "forms/multisite/CombinedFills.h"
#include "returns/ReturnRecord.h"
#include "returns/explain/StepRecorder.h"
#include "returns/multisite/LocationResult.h"
#include "returns/report/PreparedReturn.h"

#include <QJsonArray>
#include <QJsonObject>
#include <memory>

struct FormSet;

// A multi-site case prepared as the multi-site wizard prepares it: the clock pinned to the
// case's day, each location's wizard run on its location client record (an earlier
// preparation first where the case has one), then the locations combined as the summary page
// combines them. The clock stays pinned; callers release it.
struct MultiSiteCaseRun {
    FillContext context;
    ClientRecord client{};
    std::unique_ptr<LocationResults> results;
    std::unique_ptr<ReturnRecord> record;

    // Pins the clock and binds the locations of the case's client.
    explicit MultiSiteCaseRun(const QJsonObject& input);

    // Prepares every location; the calculation sections of each final preparation, with the
    // status of an earlier one as `preparedTwiceStatus`.
    QJsonArray prepareLocations(const QJsonObject& input, FormSet& set);
    CombinedFills combine(FormSet& set, StepRecorder steps = {});
    // Prepares every location and combines them with the steps of the sums recorded: the
    // prepared return, as its preview gets it.
    PreparedReturn prepared(const QJsonObject& input, FormSet& set, CombinedFills& fills);

private:
    QJsonObject prepare(int row, const QJsonObject& entries, FormSet& set);
};
