// A multi-site return of 40 locations filing ST-8, ST-14 and ST-4: every location prepared,
// the locations combined and filled, and the 130 page files written (and deleted again). And
// the same 40 locations imported from a file of figures beside their preparation from their
// records: the `ratio` counter is the import's time over the preparation's (at most 1.2). And
// the same return explained in full (the combined sums recorded, every line of the combined
// return and of each location put into words) beside it, with the ratio of the two (the goal
// is at most 1.10) and the ratio of the calculations alone with and without recording.
#include "forms/filling/FormSet.h"
#include "forms/multisite/CombineLocations.h"
#include "forms/multisite/LocationImport.h"
#include "forms/multisite/LocationPreparation.h"
#include "forms/multisite/MultiSiteGeneration.h"
#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "platform/SafeWrite.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnRecord.h"
#include "returns/import/FigureCsv.h"
#include "returns/import/FigureImport.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/LocationResult.h"
#include "returns/report/PreparedReturn.h"
#include "returns/report/ReturnExplanation.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>
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

// The program's forms, the client of forty locations, its result entries and a return, on a
// fixed day.
struct FortyLocations {
    FortyLocations() {
        Clock::setFixedDate({2026, 12, 10});
        loadFormImages(*set);
    }
    // Every location prepared from its record.
    void prepare() {
        bindLocations(*results, client);
        prepareLocations(*results, *record, *set, client, context);
    }

    const std::unique_ptr<FormSet> set = std::make_unique<FormSet>();
    const ClientRecord client = fortyLocationClient();
    const std::unique_ptr<LocationResults> results = std::make_unique<LocationResults>();
    const std::unique_ptr<ReturnRecord> record = std::make_unique<ReturnRecord>();
    const FillContext context;
};

void fortyLocationReturn(benchmark::State& state) {
    FortyLocations forty;
    auto& [set, client, results, record, context] = forty;
    for (auto _ : state) {
        forty.prepare();
        const CombinedFills fills = combineLocations(*record, *set, client, *results, context);
        benchmark::DoNotOptimize(
            generateMultiSitePages(*set, *record, fills, client, *results, context).pages.size());
    }
}
BENCHMARK(fortyLocationReturn)->Unit(benchmark::kMillisecond);

// The file of figures of the forty locations with the figures prepareLocations enters.
QByteArray fortyLocationFile(const ClientRecord& client) {
    std::vector<QStringList> rows = FigureCsv::templateRows(client);
    const QStringList& header = rows.front();
    const std::pair<const char*, const char*> figures[] = {{"totalReceipts", "125000.00"},
                                                           {"foodSalesInside", "20000.00"},
                                                           {"st14Amount", "1000.00"},
                                                           {"st4Amount", "2000.00"},
                                                           {"tiresSold", "40"}};
    for (size_t row = 1; row < rows.size(); ++row) {
        for (const auto& [column, text] : figures)
            rows[row][header.indexOf(QLatin1String(column))] = QLatin1String(text);
    }
    return FigureCsv::utf8File(rows);
}

void importFortyLocations(benchmark::State& state) {
    FortyLocations forty;
    auto& [set, client, results, record, context] = forty;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("figures.csv"));
    SafeWrite::replace(path, fortyLocationFile(client));
    // Processor time, not the clock on the wall: on a machine shared with other work the two
    // halves of a run are then compared for the work they do, not for when they were paused.
    std::clock_t preparing = 0;
    std::clock_t importing = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        forty.prepare();
        const std::clock_t prepared = std::clock();
        bindLocations(*results, client);
        const FigureImport figures = readFigureFile(path, client);
        const std::vector<ImportProblem> problems = prepareImportedLocations(
            *results, *record, *set, client, results->period, figures.rows, context);
        preparing += prepared - start;
        importing += std::clock() - prepared;
        if (!figures.ok() || !problems.empty() || figures.rows.size() != size_t(kMaxLocations)) {
            state.SkipWithError("the file of figures did not import");
            break;
        }
    }
    const double runs = double(state.iterations());
    const double msPerClock = 1000.0 / CLOCKS_PER_SEC;
    state.counters["prepare_ms"] = double(preparing) * msPerClock / runs;
    state.counters["import_ms"] = double(importing) * msPerClock / runs;
    state.counters["ratio"] = double(importing) / double(preparing);
}
BENCHMARK(importFortyLocations)->Unit(benchmark::kMillisecond);

template <typename Work>
double secondsOf(Work&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

// One run of the return: the locations prepared, combined (with the combined sums recorded
// when `explained`) and generated; explained, every line is then put into words.
double returnSeconds(bool explained, LocationResults& results, ReturnRecord& record, FormSet& set,
                     const ClientRecord& client, const FillContext& context) {
    return secondsOf([&] {
        bindLocations(results, client);
        prepareLocations(results, record, set, client, context);
        CalculationSteps steps;
        const CombinedFills fills =
            combineLocations(record, set, client, results, context,
                             explained ? StepRecorder(steps) : StepRecorder());
        benchmark::DoNotOptimize(
            generateMultiSitePages(set, record, fills, client, results, context).pages.size());
        if (explained)
            benchmark::DoNotOptimize(
                explainReturn(preparedMultiSiteReturn(record, steps, results)).parts.size());
    });
}

// The calculations of the 40 locations alone, with or without their steps recorded.
double calculationSeconds(bool recorded, const LocationResults& results, ReturnRecord& record) {
    return secondsOf([&] {
        for (const LocationResult& entry : results.listed()) {
            record.st1 = entry.st1;
            record.summary = ReturnSummary();
            CalculationSteps steps;
            benchmark::DoNotOptimize(recorded ? computeAll(record, steps) : computeAll(record));
        }
    });
}

void fortyLocationReturnExplained(benchmark::State& state) {
    FortyLocations forty;
    auto& [set, client, results, record, context] = forty;
    double plain = 0, explained = 0, calculated = 0, recorded = 0;
    // Processor time beside the clock on the wall: the page files the return writes make the
    // wall clock of a machine shared with other work swing far more than the words cost.
    std::clock_t plainClock = 0, explainedClock = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        plain += returnSeconds(false, *results, *record, *set, client, context);
        const std::clock_t between = std::clock();
        const double seconds = returnSeconds(true, *results, *record, *set, client, context);
        plainClock += between - start;
        explainedClock += std::clock() - between;
        state.SetIterationTime(seconds);
        explained += seconds;
        calculated += calculationSeconds(false, *results, *record);
        recorded += calculationSeconds(true, *results, *record);
    }
    const double runs = double(state.iterations());
    state.counters["unexplained_ms"] = plain / runs * 1000;
    state.counters["ratio"] = explained / plain;
    state.counters["cpu_ratio"] = double(explainedClock) / double(plainClock);
    state.counters["calculations_us"] = calculated / runs * 1e6;
    state.counters["recorded_ratio"] = recorded / calculated;
}
BENCHMARK(fortyLocationReturnExplained)->UseManualTime()->Unit(benchmark::kMillisecond);
} // namespace
