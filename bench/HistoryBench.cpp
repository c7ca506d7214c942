// Storing a 130-page return in the history and taking it out again, beside the zip and unzip
// commands doing the same with the same page files, in pairs: each iteration stores, runs
// `zip -6`, extracts and runs `unzip`. It prints the medians of each and of the ratios of the
// pairs (the goal: at most 1.0 for each, no slower than the commands).
#include "Measures.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryFilePath.h"
#include "history/ReturnHistory.h"
#include "platform/PrivateTempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int kPageCount = 130;

// 130 page files in the temporary folder, taken in turn from the seven form images.
PageList benchmarkPages() {
    const QStringList images = QDir(QStringLiteral(VANTROBE_FORM_IMAGES)).entryList({"*.emf"});
    PageList pages;
    for (int page = 0; page < kPageCount; ++page) {
        PageEntry entry;
        entry.imagePaths[0] = PrivateTempFolder::createFile(QStringLiteral("EMF"));
        QFile::remove(entry.imagePaths[0]);
        QFile::copy(
            QDir(QStringLiteral(VANTROBE_FORM_IMAGES)).filePath(images[page % images.size()]),
            entry.imagePaths[0]);
        pages.push_back(entry);
    }
    return pages;
}

void removePages(const PageList& pages) {
    for (const PageEntry& page : pages)
        QFile::remove(page.path());
}

void runTool(const QString& program, const QStringList& arguments) {
    QProcess::execute(program, arguments);
}

void storeAndExtractReturn(benchmark::State& state) {
    const PageList pages = benchmarkPages();
    QTemporaryDir folder;
    const QString client = folder.filePath(QStringLiteral("Vtb00001.kvr"));
    const QString archive = folder.filePath(QStringLiteral("pages.zip"));
    const QString unzipped = folder.filePath(QStringLiteral("out"));
    QStringList zipArguments{QStringLiteral("-6"), QStringLiteral("-q"), QStringLiteral("-j"),
                             archive};
    for (const PageEntry& page : pages)
        zipArguments << page.path();
    std::vector<double> stores, extracts, zips, unzips, storeRatios, extractRatios;
    for (auto _ : state) {
        const double store = Measures::secondsOf([&] { addReturnToHistory(client, pages, {}); });
        QFile::remove(archive);
        const double zip =
            Measures::secondsOf([&] { runTool(QStringLiteral("zip"), zipArguments); });
        QDir(unzippedPagesFolder()).removeRecursively();
        const double extract = Measures::secondsOf([&] {
            HistoryDatabase database;
            database.open(historyFilePath(client));
            benchmark::DoNotOptimize(extractHistoryReturn(
                database, 1, folder.filePath(QStringLiteral("view.zip")), unzippedPagesFolder()));
        });
        QDir(unzipped).removeRecursively();
        const double unzip = Measures::secondsOf([&] {
            runTool(QStringLiteral("unzip"), {QStringLiteral("-q"), QStringLiteral("-o"), archive,
                                              QStringLiteral("-d"), unzipped});
        });
        state.SetIterationTime(store + extract);
        HistoryDatabase database;
        database.open(historyFilePath(client));
        deleteHistoryReturn(database, 1);
        stores.push_back(store);
        zips.push_back(zip);
        extracts.push_back(extract);
        unzips.push_back(unzip);
        storeRatios.push_back(store / zip);
        extractRatios.push_back(extract / unzip);
    }
    QDir(unzippedPagesFolder()).removeRecursively();
    removePages(pages);
    state.counters["store_ms"] = Measures::median(stores) * 1000;
    state.counters["zip_ms"] = Measures::median(zips) * 1000;
    state.counters["store_per_zip"] = Measures::median(storeRatios);
    state.counters["extract_ms"] = Measures::median(extracts) * 1000;
    state.counters["unzip_ms"] = Measures::median(unzips) * 1000;
    state.counters["extract_per_unzip"] = Measures::median(extractRatios);
}
BENCHMARK(storeAndExtractReturn)->UseManualTime()->Unit(benchmark::kMillisecond);
} // namespace
