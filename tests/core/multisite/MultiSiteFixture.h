#pragma once

#include "core/filling/FillingFixture.h"
#include "forms/multisite/CombineLocations.h"
#include "forms/multisite/LocationPreparation.h"
#include "returns/St1Calculation.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/LocationResult.h"

// A multi-site client with `locations` sites in Springfield (the fixture's tax record), the
// result entries bound to them and the return's period February 2005.
class MultiSiteTest : public FillingTest {
protected:
    void SetUp() override {
        FillingTest::SetUp();
        results = std::make_unique<LocationResults>();
    }

    void bindClient(int locations) {
        multiSiteClient = client();
        multiSiteClient.multiSite = 1;
        multiSiteClient.locationCount = locations;
        for (int row = 0; row < locations; ++row) {
            ClientLocation& location = multiSiteClient.locations[row];
            const std::string name = "Site " + std::to_string(row + 1);
            FixedText::set(location.name, name);
            FixedText::set(location.address1, "1 Elm St");
            FixedText::set(location.city, "Springfield");
            FixedText::set(location.zipCode, "62701");
            FixedText::set(location.locationCode, "076-5000-9");
            location.taxRecord = multiSiteClient.taxRecord;
            location.locationNumber = std::uint8_t(row + 1);
        }
        bindLocations(*results, multiSiteClient);
        results->period = record->period;
    }

    // Runs a location's preparation with total receipts `receipts` (all general merchandise)
    // and `change` applied to the return before Finish; the result of Finish.
    template <typename Change>
    int prepare(int row, double receipts, Change change) {
        LocationResult& entry = results->entries[size_t(row)];
        startLocationPreparation(*record, *set, results->period,
                                 locationClientRecord(multiSiteClient, entry.location), context);
        record->st1.totalReceipts = receipts;
        change(*record);
        return storePreparedLocation(entry, *record);
    }
    int prepare(int row, double receipts) {
        return prepare(row, receipts, [](ReturnRecord&) {});
    }

    CombinedFills combine() {
        return combineLocations(*record, *set, multiSiteClient, *results, context);
    }

    ClientRecord multiSiteClient{};
    std::unique_ptr<LocationResults> results;
};
