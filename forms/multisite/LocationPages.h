#pragma once

#include "forms/filling/FillContext.h"
#include "returns/multisite/LocationReturn.h"

struct ClientRecord;
struct FormSet;
struct LocationResult;
struct ReturnRecord;

// How the fills of one location's ST-14, ST-4 and ST-8 ended.
struct LocationPageFills {
    bool st14 = false;
    bool st4 = false;
    bool st8 = false;
};

// The ST-14 scan line of the combined return's period, which every location's ST-14 prints.
QString locationSt14ScanLine(const ReturnRecord& combined, const FillContext& context);

// Fills the shared ST-14, ST-4 and ST-8 form objects with one location's return, which
// `scratch` receives.
LocationPageFills fillLocationPages(FormSet& set, ReturnRecord& scratch,
                                    const ReturnRecord& combined, const ClientRecord& client,
                                    const LocationResult& entry, const FillContext& context);
