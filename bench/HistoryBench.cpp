// Storing a 130-page return in the history and taking it out again, beside the zip and unzip
// commands doing the same with the same page files (the goal: no slower than 1.5 times them).
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

void storeAndExtractReturn(benchmark::State& state) {
    const PageList pages = benchmarkPages();
    QTemporaryDir folder;
    const QString client = folder.filePath(QStringLiteral("Vtb00001.kvr"));
    for (auto _ : state) {
        addReturnToHistory(client, pages, {});
        HistoryDatabase database;
        database.open(historyFilePath(client));
        QDir(unzippedPagesFolder()).removeRecursively();
        benchmark::DoNotOptimize(extractHistoryReturn(
            database, 1, folder.filePath(QStringLiteral("view.zip")), unzippedPagesFolder()));
        deleteHistoryReturn(database, 1);
    }
    QDir(unzippedPagesFolder()).removeRecursively();
    removePages(pages);
}
BENCHMARK(storeAndExtractReturn)->Unit(benchmark::kMillisecond)->UseRealTime();

void runTool(const QString& program, const QStringList& arguments) {
    QProcess::execute(program, arguments);
}

void zipAndUnzipCommands(benchmark::State& state) {
    const PageList pages = benchmarkPages();
    QTemporaryDir folder;
    const QString archive = folder.filePath(QStringLiteral("pages.zip"));
    QStringList zipArguments{QStringLiteral("-6"), QStringLiteral("-q"), QStringLiteral("-j"),
                             archive};
    for (const PageEntry& page : pages)
        zipArguments << page.path();
    for (auto _ : state) {
        QFile::remove(archive);
        runTool(QStringLiteral("zip"), zipArguments);
        runTool(QStringLiteral("unzip"), {QStringLiteral("-q"), QStringLiteral("-o"), archive,
                                          QStringLiteral("-d"), folder.filePath("out")});
    }
    removePages(pages);
}
BENCHMARK(zipAndUnzipCommands)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
