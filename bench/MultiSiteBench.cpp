// A multi-site return of 40 locations filing ST-8, ST-14 and ST-4: every location prepared,
// the locations combined and filled, and the 130 page files written (and deleted again).
#include "forms/filling/FormSet.h"
#include "forms/multisite/CombineLocations.h"
#include "forms/multisite/LocationPreparation.h"
#include "forms/multisite/MultiSiteGeneration.h"
#include "forms/preview/ReturnGeneration.h"
#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "returns/ReturnRecord.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/LocationResult.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {
constexpr char kTaxLine[] = "076-5000-9OAK PARK                 COUNTY                   "
                            "200512010975001000 0625001000 00000                 "
                            "0725001000 0625001000 00000 ";

ClientRecord fortyLocationClient() {
    ClientRecord client;
    initClientRecord(client);
    client.multiSite = 1;
    client.filesST8 = client.filesST14 = client.filesST4 = 1;
    FixedText::set(client.ibtNumber, "1234-5678");
    client.locationCount = kMaxLocations;
    for (ClientLocation& location : client.locations) {
        FixedText::set(location.name, "Prairie Hardware");
        FixedText::set(location.address1, "100 Main St");
        FixedText::set(location.city, "Oak Park");
        FixedText::set(location.zipCode, "62701");
        FixedText::set(location.locationCode, "076-5000-9");
        location.taxRecord.parse(kTaxLine);
    }
    return client;
}

void prepareLocations(LocationResults& results, ReturnRecord& record, FormSet& set,
                      const ClientRecord& client, const FillContext& context) {
    for (LocationResult& entry : results.listed()) {
        startLocationPreparation(record, set, results.period,
                                 locationClientRecord(client, entry.location), context);
        record.st1.totalReceipts = 125000.00;
        record.st1.foodSalesInside = 20000.00;
        record.st14.st14Amount = 1000.00;
        record.st4.st4Amount = 2000.00;
        record.st8.tiresSold = 40;
        storePreparedLocation(entry, record);
    }
}

void fortyLocationReturn(benchmark::State& state) {
    Clock::setFixedDate({2026, 12, 10});
    auto set = std::make_unique<FormSet>();
    loadFormImages(*set);
    const ClientRecord client = fortyLocationClient();
    auto results = std::make_unique<LocationResults>();
    auto record = std::make_unique<ReturnRecord>();
    const FillContext context;
    for (auto _ : state) {
        bindLocations(*results, client);
        prepareLocations(*results, *record, *set, client, context);
        const CombinedFills fills = combineLocations(*record, *set, client, *results, context);
        const MultiSiteGeneration generation =
            generateMultiSitePages(*set, *record, fills, client, *results, context);
        state.PauseTiming();
        deletePageFiles(generation.pages);
        state.ResumeTiming();
    }
}
BENCHMARK(fortyLocationReturn)->Unit(benchmark::kMillisecond);
} // namespace
