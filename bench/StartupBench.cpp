// Start-up to a filled client list with 100, 1,000 and 10,000 client files, beside what it
// cannot be faster than: reading the same files (`head -q -c 31900` over them, in the same
// run) and, for scale, showing a bare main window. Each size prints the medians of its start-up
// and of reading the files, the ratio of each pair (the goal for 10,000 clients: at most 1.5),
// and the largest resident memory of the process during a start-up (the goal for 10,000
// clients: at most 120 MB).
//
// The board of returns due for 1,000 clients with 24 stored returns each beside the start-up
// with the same clients, in pairs. The board keeps what it read of each history file, in memory
// and in a summary file in the user's cache folder, so it is measured three ways, each in wall
// time (`_ms`) and processor time (`_cpu_ms`) with its ratio to the start-up's (`_per_startup`,
// `_cpu_per_startup`): `board`, its first open in a new run with the summary file as the
// previous run left it (a new board: every history file's size and times looked at, the rows
// shown); `cold`, its first open with no summary file (every history file opened, checked and
// read); `reopen`, the same board shown again after its clients were set again. The goal, at
// most 1.5 times the start-up, is for `board_per_startup`; `histories_read_ms` is the reading
// of the histories alone with nothing kept.
#include "Measures.h"
#include "app/PreparerApp.h"
#include "app/ReturnsBoard.h"
#include "clients/ClientFile.h"
#include "history/HistoryFilePath.h"
#include "history/OverviewSummaryFile.h"
#include "history/ReturnHistory.h"
#include "platform/FixedText.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ProgramFolder.h"
#include "returns/ReturnRecord.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A program folder of its own with `count` clients in its "Clients" folder, and settings kept
// in it, so the benchmark never reads or writes the user's.
class BenchClients {
public:
    explicit BenchClients(int count) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           folder_.filePath("settings"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           folder_.filePath("settings"));
        ProgramFolder::setOverride(folder_.path());
        qputenv("XDG_CACHE_HOME", folder_.filePath("cache").toLocal8Bit());
        QDir(folder_.path()).mkpath("Clients");
        for (int number = 1; number <= count; ++number) {
            ClientInfo client;
            FixedText::set(client.record.businessName, QStringLiteral("Client %1").arg(number));
            FixedText::set(client.record.phone, "(217) 555-0100");
            FixedText::set(client.record.ibtNumber, "1234-5678");
            const QString name = QStringLiteral("Vtb%1.kvr").arg(number, 5, 10, QLatin1Char('0'));
            writeClientFile(client, clientFolder().filePath(name));
            files_.append(clientFolder().filePath(name));
        }
    }
    ~BenchClients() {
        ProgramFolder::setOverride({});
        qunsetenv("XDG_CACHE_HOME");
    }

    QDir clientFolder() const { return QDir(folder_.filePath("Clients")); }
    const QStringList& files() const { return files_; }
    StartupFiles startupFiles() const {
        return {QStringLiteral(VANTROBE_SAMPLE_TABLE), folder_.filePath("ErrorLog.txt")};
    }

private:
    QTemporaryDir folder_;
    QStringList files_;
};

void startUp(const BenchClients& clients) {
    CPreparerApp app(clients.startupFiles());
    benchmark::DoNotOptimize(app.initInstance());
    QApplication::processEvents();
}

void showBareWindow() {
    QMainWindow window;
    window.showMaximized();
    window.repaint();
    QApplication::processEvents();
}

// Reads the files as `head -q -c 31900` does: each one opened and its 31,900 first bytes read.
void readFilesWithHead(const BenchClients& clients) {
    QProcess head;
    head.setStandardOutputFile(QProcess::nullDevice());
    head.start(QStringLiteral("head"),
               QStringList{QStringLiteral("-q"), QStringLiteral("-c"), QStringLiteral("31900")} +
                   clients.files());
    head.waitForFinished(-1);
}

void startUpWithClients(benchmark::State& state) {
    const BenchClients clients(int(state.range(0)));
    std::vector<double> startups, heads, ratios, windows;
    double peakMegabytes = 0;
    for (auto _ : state) {
        Measures::resetPeakMemory();
        const double startup = Measures::secondsOf([&] { startUp(clients); });
        peakMegabytes = std::max(peakMegabytes, Measures::peakResidentMegabytes());
        state.SetIterationTime(startup);
        const double head = Measures::secondsOf([&] { readFilesWithHead(clients); });
        startups.push_back(startup);
        heads.push_back(head);
        ratios.push_back(startup / head);
        windows.push_back(Measures::secondsOf(showBareWindow));
    }
    state.counters["clients"] = double(state.range(0));
    state.counters["startup_ms"] = Measures::median(startups) * 1000;
    state.counters["head_ms"] = Measures::median(heads) * 1000;
    state.counters["startup_per_head"] = Measures::median(ratios);
    state.counters["bare_window_ms"] = Measures::median(windows) * 1000;
    state.counters["peak_MB"] = peakMegabytes;
}
BENCHMARK(startUpWithClients)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

constexpr int kBoardClients = 1000;
constexpr int kStoredReturns = 24;

// Two years of monthly returns, each with two pages and its inputs, stored into one history
// file that every client then gets a copy of; false when one cannot be stored. The pages are
// written where the program writes them, in the run's private folder.
bool giveEveryClientTwoYearsOfReturns(const BenchClients& clients) {
    const QString first = clients.files().first();
    const QDir pageFolder(PrivateTempFolder::createFolder(QStringLiteral("EMF")));
    PageList pages;
    for (const QString& image : {QStringLiteral("188.emf"), QStringLiteral("190.emf")}) {
        PageEntry page;
        page.imagePaths[0] = pageFolder.filePath(image);
        QFile::copy(QDir(QStringLiteral(VANTROBE_FORM_IMAGES)).filePath(image), page.path());
        pages.push_back(page);
    }
    auto record = std::make_unique<ReturnRecord>();
    bool stored = true;
    for (int month = 1; month <= kStoredReturns && stored; ++month) {
        const FilingPeriod period{kMonthlyPeriod, 2023 + (month - 1) / 12, (month - 1) % 12 + 1};
        const QDate preparedOn = lastDayOf(period).addDays(10);
        record->period = *periodChoiceFor(period, 1, preparedOn);
        record->st1.totalReceipts = 10000 + month;
        stored = addReturnToHistory(first, pages, record->summary,
                                    singleSiteInputs(*record, preparedOn, {}));
    }
    for (const QString& client : clients.files().mid(1))
        QFile::copy(historyFilePath(first), historyFilePath(client));
    QDir(pageFolder).removeRecursively();
    return stored;
}

std::vector<BoardClient> boardClients(const BenchClients& clients) {
    std::vector<BoardClient> listed;
    for (int index = 0; index < clients.files().size(); ++index)
        listed.push_back({QStringLiteral("Client %1").arg(index + 1), clients.files()[index]});
    return listed;
}

void showBoard(ReturnsBoard& board, const std::vector<BoardClient>& clients) {
    board.hide();
    board.setClients(clients);
    board.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(board.rows().size());
}

// One way of opening the board, run after run, beside the start-up of the same run.
struct BoardOpenings {
    std::vector<double> wallMs, cpuMs, perStartup, cpuPerStartup;

    void add(const Measures::Timing& opening, const Measures::Timing& startup) {
        wallMs.push_back(opening.wallSeconds * 1000);
        cpuMs.push_back(opening.cpuSeconds * 1000);
        perStartup.push_back(opening.wallSeconds / startup.wallSeconds);
        cpuPerStartup.push_back(opening.cpuSeconds / startup.cpuSeconds);
    }
    void report(benchmark::State& state, const std::string& name) const {
        state.counters[name + "_ms"] = Measures::median(wallMs);
        state.counters[name + "_cpu_ms"] = Measures::median(cpuMs);
        state.counters[name + "_per_startup"] = Measures::median(perStartup);
        state.counters[name + "_cpu_per_startup"] = Measures::median(cpuPerStartup);
    }
};

// A new board (as in a new run) shown with the clients.
Measures::Timing openNewBoard(std::unique_ptr<ReturnsBoard>& board,
                              const std::vector<BoardClient>& clients) {
    board = std::make_unique<ReturnsBoard>();
    board->resize(1200, 800);
    return Measures::timingOf([&] { showBoard(*board, clients); });
}

void boardOfThousandClientsWithTwoYearsOfReturns(benchmark::State& state) {
    const BenchClients clients(kBoardClients);
    if (!giveEveryClientTwoYearsOfReturns(clients)) {
        state.SkipWithError("the returns cannot be stored");
        return;
    }
    const std::vector<BoardClient> listed = boardClients(clients);
    BoardOpenings boards, colds, reopens;
    std::vector<double> startups, startupCpus, reads;
    for (auto _ : state) {
        std::unique_ptr<ReturnsBoard> board;
        QFile::remove(OverviewSummaryFile::userPath());
        const Measures::Timing cold = openNewBoard(board, listed);
        const Measures::Timing first = openNewBoard(board, listed);
        state.SetIterationTime(first.wallSeconds);
        const Measures::Timing reopen = Measures::timingOf([&] { showBoard(*board, listed); });
        board.reset();
        const Measures::Timing startup = Measures::timingOf([&] { startUp(clients); });
        boards.add(first, startup);
        colds.add(cold, startup);
        reopens.add(reopen, startup);
        startups.push_back(startup.wallSeconds * 1000);
        startupCpus.push_back(startup.cpuSeconds * 1000);
        reads.push_back(Measures::secondsOf([&] {
            HistoryOverviewCache nothingKept;
            benchmark::DoNotOptimize(readBoard(listed, QDate::currentDate(), nothingKept));
        }));
    }
    boards.report(state, "board");
    colds.report(state, "cold");
    reopens.report(state, "reopen");
    state.counters["startup_ms"] = Measures::median(startups);
    state.counters["startup_cpu_ms"] = Measures::median(startupCpus);
    state.counters["histories_read_ms"] = Measures::median(reads) * 1000;
}
BENCHMARK(boardOfThousandClientsWithTwoYearsOfReturns)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
} // namespace
