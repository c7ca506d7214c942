// Filling every form of a return (the preview does it each time) and rasterising a page at
// 200 dpi (what the PDF export does for every page).
#include "forms/EmfPlayer.h"
#include "forms/filling/FormSet.h"
#include "forms/filling/ReturnForms.h"
#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "returns/ReturnRecord.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {
std::unique_ptr<ReturnRecord> sampleReturn() {
    auto record = std::make_unique<ReturnRecord>();
    ClientRecord client;
    initClientRecord(client);
    FixedText::set(client.businessName, "Prairie Hardware");
    FixedText::set(client.address1, "100 Main St");
    FixedText::set(client.city, "Springfield");
    FixedText::set(client.zipCode, "62701");
    FixedText::set(client.ibtNumber, "1234-5678");
    FixedText::set(client.locationCode, "084-0001-9");
    takeClient(*record, client);
    record->st1.totalReceipts = 125000.00;
    record->st1.foodSalesInside = 20000.00;
    record->st1.purchasesGeneral = 1500.00;
    return record;
}

void fillEveryFormOfAReturn(benchmark::State& state) {
    Clock::setFixedDate({2026, 12, 10});
    auto set = std::make_unique<FormSet>();
    loadFormImages(*set);
    auto record = sampleReturn();
    const FillContext context;
    for (auto _ : state)
        benchmark::DoNotOptimize(fillEveryForm(*set, *record, context));
}
BENCHMARK(fillEveryFormOfAReturn);

void renderPageAt200Dpi(benchmark::State& state) {
    auto set = std::make_unique<FormSet>();
    loadFormImages(*set);
    const QByteArray page = set->st1.workingImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(renderPage(page, 200));
}
BENCHMARK(renderPageAt200Dpi)->Unit(benchmark::kMillisecond);
} // namespace
