#pragma once

#include "returns/ReturnRecord.h"
#include "returns/explain/CalculationSteps.h"
#include "returns/multisite/LocationResult.h"

#include <QString>
#include <vector>

// A return as it was computed for its preview: its figures and the steps that produced them
// and, for a multi-site return, every location's own. The explanations, the data export and
// the electronic filing sheet are made from it.
struct PreparedReturn {
    ReturnRecord record; // a multi-site return: the combined figures and the multi-site client
    CalculationSteps steps;
    std::vector<LocationResult> locations; // a multi-site return's locations in list order
    int st1Status = 0;                     // kSt1Ok, or kSt1BasesDoNotAddUp
    bool gasoholPage = false;              // the return's pages include the gasohol worksheet

    bool multiSite() const { return !locations.empty(); }
    // One location's own return (its sections with the combined return's period).
    ReturnRecord locationReturn(int row) const;
    // "Location 3, Prairie Hardware": the number the list shows and the location's name.
    QString locationTitle(int row) const;
};

// The forms besides ST-1 and its worksheet that a client's returns (and each of its locations)
// take: ST-14, ST-4 and ST-8 as its profile says, in that order.
std::vector<FigureForm> filedLocalForms(const ClientRecord& client);

// The prepared return of a multi-site return: the combined record and steps with the listed
// locations.
PreparedReturn preparedMultiSiteReturn(const ReturnRecord& combined, const CalculationSteps& steps,
                                       const LocationResults& results);
