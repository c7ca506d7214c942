// Loading the sales tax table happens at every start; a lookup runs for every client location
// each time the client list is read.
#include "taxtables/TaxTable.h"

#include <benchmark/benchmark.h>

namespace {
const QString kTable = QStringLiteral(VANTROBE_SAMPLE_TABLE);

void loadTable(benchmark::State& state) {
    for (auto _ : state) {
        TaxTable table;
        benchmark::DoNotOptimize(table.load(kTable));
    }
}
BENCHMARK(loadTable);

void lookUpLocation(benchmark::State& state) {
    TaxTable table;
    table.load(kTable);
    TaxTableRecord record;
    for (auto _ : state)
        benchmark::DoNotOptimize(table.lookup("022-0068-6", record));
}
BENCHMARK(lookUpLocation);
} // namespace
