// Saving a return as a PDF: the whole export for 10 and 130 pages (the largest multi-site
// return) beside the rendering floor (the same pages only drawn at 200 dpi, on every core), and
// the TIFF-to-PDF step alone beside libtiff's tiff2pdf on the same TIFF.
#include "BenchPages.h"
#include "Measures.h"
#include "forms/EmfPlayer.h"
#include "forms/export/G3Page.h"
#include "forms/export/MultiPageTiffWriter.h"
#include "forms/export/PageRaster.h"
#include "forms/export/PdfExport.h"
#include "forms/export/TiffToPdf.h"
#include "forms/filling/FormSet.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// The floor of an export: every page drawn at 200 dpi (renderPage), on every core, and nothing
// else: no packing, no TIFF, no PDF.
void renderEveryPage(const std::vector<QByteArray>& images) {
    QtConcurrent::blockingMap(images, [](const QByteArray& image) {
        benchmark::DoNotOptimize(renderPage(image, MultiPageTiffWriter::kDotsPerInch));
    });
}

// One page as the export rasterises it: drawn, then packed into 1 bit per pixel.
void rasteriseOnePageTo1Bit(benchmark::State& state) {
    auto set = std::make_unique<FormSet>();
    loadFormImages(*set);
    const QByteArray page = set->st1.workingImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(PageRaster::fromImage(page));
}
BENCHMARK(rasteriseOnePageTo1Bit)->Unit(benchmark::kMillisecond);

// The same page's raster encoded as the TIFF keeps it (CCITT Group 3, by libtiff).
void encodeOnePageAsG3(benchmark::State& state) {
    auto set = std::make_unique<FormSet>();
    loadFormImages(*set);
    const MonoRaster raster = PageRaster::fromImage(set->st1.workingImage());
    for (auto _ : state)
        benchmark::DoNotOptimize(G3Page::encode(raster));
}
BENCHMARK(encodeOnePageAsG3)->Unit(benchmark::kMillisecond);

// Each iteration exports the pages and then renders the same pages alone (the floor); the
// counters are medians over the iterations: the export's time and CPU seconds, the floor's
// time and CPU seconds, and the ratio of each pair (the goal for 130 pages: at most 1.3 in
// time, and at most 1.3 CPU seconds per export). The ratio of the CPU seconds tells what the
// export adds to the drawing even when other work on the machine stretches the times.
void exportReturnAsPdf(benchmark::State& state) {
    const BenchPages pages(int(state.range(0)));
    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("return.pdf"));
    std::vector<double> exports, floors, ratios, cpu, floorCpu, cpuRatios;
    for (auto _ : state) {
        bool exported = false;
        const Measures::Timing exporting = Measures::timingOf(
            [&] { exported = exportPdf(pdf, pages.pages(), int(pages.pages().size())); });
        if (!exported)
            state.SkipWithError("the export failed");
        state.SetIterationTime(exporting.wallSeconds);
        const Measures::Timing floor = Measures::timingOf([&] { renderEveryPage(pages.images()); });
        exports.push_back(exporting.wallSeconds);
        floors.push_back(floor.wallSeconds);
        ratios.push_back(exporting.wallSeconds / floor.wallSeconds);
        cpu.push_back(exporting.cpuSeconds);
        floorCpu.push_back(floor.cpuSeconds);
        cpuRatios.push_back(exporting.cpuSeconds / floor.cpuSeconds);
    }
    state.counters["pages"] = double(state.range(0));
    state.counters["export_ms"] = Measures::median(exports) * 1000;
    state.counters["floor_ms"] = Measures::median(floors) * 1000;
    state.counters["export_per_floor"] = Measures::median(ratios);
    state.counters["cpu_s"] = Measures::median(cpu);
    state.counters["floor_cpu_s"] = Measures::median(floorCpu);
    state.counters["cpu_per_floor_cpu"] = Measures::median(cpuRatios);
}
BENCHMARK(exportReturnAsPdf)->Arg(10)->Arg(130)->Unit(benchmark::kMillisecond)->UseManualTime();

double millisecondsOfTiff2pdf(const QString& tiff, const QString& pdf, int runs) {
    QElapsedTimer timer;
    timer.start();
    for (int run = 0; run < runs; ++run)
        QProcess::execute(QStringLiteral("tiff2pdf"), {QStringLiteral("-o"), pdf, tiff});
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

// Our converter against tiff2pdf on the 130-page TIFF of an export. tiff2pdf's time includes
// starting its process (about a millisecond).
void convertTiffOf130PagesToPdf(benchmark::State& state) {
    const BenchPages pages(130);
    const QTemporaryDir folder;
    const QString tiff = folder.filePath(QStringLiteral("return.tif"));
    const QString pdf = folder.filePath(QStringLiteral("return.pdf"));
    PdfExportOptions options;
    options.keepTiffAs = tiff;
    if (!exportPdf(pdf, pages.pages(), 130, options)) {
        state.SkipWithError("the export failed");
        return;
    }
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state)
        benchmark::DoNotOptimize(convertTiffToPdf(tiff, pdf, PdfDocumentInfo()));
    const double ours = double(timer.nsecsElapsed()) / 1e6 / double(state.iterations());
    const double theirs =
        millisecondsOfTiff2pdf(tiff, folder.filePath(QStringLiteral("tiff2pdf.pdf")), 5);
    state.counters["ours_ms"] = ours;
    state.counters["tiff2pdf_ms"] = theirs;
    state.counters["tiff2pdf_per_ours"] = theirs / ours;
}
BENCHMARK(convertTiffOf130PagesToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
