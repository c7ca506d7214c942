// Start-up to a filled client list with 1,000 client files, measured beside what it cannot
// be faster than: a bare main window shown, and reading the same files with `cat`. The goal is
// a start-up of at most 1.5 times those two together (the `ratio` counter).
//
// The board of returns due for the same 1,000 clients with 24 stored returns each, opened (every
// history read, the rows shown), beside that start-up. The goal is at most 1.5 times the
// start-up (its `ratio` counter).
#include "app/PreparerApp.h"
#include "app/ReturnsBoard.h"
#include "clients/ClientFile.h"
#include "history/HistoryFilePath.h"
#include "history/ReturnHistory.h"
#include "platform/FixedText.h"
#include "platform/ProgramFolder.h"
#include "returns/ReturnRecord.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace {
constexpr int kClients = 1000;

// A program folder of its own with 1,000 clients in its "Clients" folder, and settings kept
// in it, so the benchmark never reads or writes the user's.
class ThousandClients {
public:
    ThousandClients() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           folder_.filePath("settings"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           folder_.filePath("settings"));
        ProgramFolder::setOverride(folder_.path());
        QDir(folder_.path()).mkpath("Clients");
        for (int number = 1; number <= kClients; ++number) {
            ClientInfo client;
            FixedText::set(client.record.businessName, QStringLiteral("Client %1").arg(number));
            const QString name = QStringLiteral("Vtb%1.kvr").arg(number, 5, 10, QLatin1Char('0'));
            writeClientFile(client, clientFolder().filePath(name));
            files_.append(clientFolder().filePath(name));
        }
    }
    ~ThousandClients() { ProgramFolder::setOverride({}); }

    QDir clientFolder() const { return QDir(folder_.filePath("Clients")); }
    const QStringList& files() const { return files_; }
    StartupFiles startupFiles() const {
        return {QStringLiteral(VANTROBE_SAMPLE_TABLE), folder_.filePath("ErrorLog.txt")};
    }

private:
    QTemporaryDir folder_;
    QStringList files_;
};

double secondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

void startUp(const ThousandClients& clients) {
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

void catFiles(const ThousandClients& clients) {
    QProcess cat;
    cat.setStandardOutputFile(QProcess::nullDevice());
    cat.start(QStringLiteral("cat"), clients.files());
    cat.waitForFinished(-1);
}

void startUpWithThousandClients(benchmark::State& state) {
    const ThousandClients clients;
    double startup = 0, window = 0, cat = 0;
    for (auto _ : state) {
        const double seconds = secondsOf([&] { startUp(clients); });
        state.SetIterationTime(seconds);
        startup += seconds;
        window += secondsOf(showBareWindow);
        cat += secondsOf([&] { catFiles(clients); });
    }
    const double runs = double(state.iterations());
    state.counters["bare_window_ms"] = window / runs * 1000;
    state.counters["cat_ms"] = cat / runs * 1000;
    state.counters["ratio"] = startup / (window + cat);
}
BENCHMARK(startUpWithThousandClients)->UseManualTime()->Unit(benchmark::kMillisecond);

constexpr int kStoredReturns = 24;

// Two years of monthly returns, each with two pages and its inputs, stored into one history
// file that every client then gets a copy of.
void giveEveryClientTwoYearsOfReturns(const ThousandClients& clients) {
    const QString first = clients.files().first();
    const QDir pageFolder = clients.clientFolder();
    PageList pages;
    for (const QString image : {QStringLiteral("188.emf"), QStringLiteral("190.emf")}) {
        PageEntry page;
        page.imagePaths[0] = pageFolder.filePath(image);
        QFile::copy(QDir(QStringLiteral(VANTROBE_FORM_IMAGES)).filePath(image), page.path());
        pages.push_back(page);
    }
    auto record = std::make_unique<ReturnRecord>();
    for (int month = 1; month <= kStoredReturns; ++month) {
        const FilingPeriod period{kMonthlyPeriod, 2023 + (month - 1) / 12, (month - 1) % 12 + 1};
        const QDate preparedOn = lastDayOf(period).addDays(10);
        record->period = *periodChoiceFor(period, 1, preparedOn);
        record->st1.totalReceipts = 10000 + month;
        addReturnToHistory(first, pages, record->summary,
                           singleSiteInputs(*record, preparedOn, {}));
    }
    for (const QString& client : clients.files().mid(1))
        QFile::copy(historyFilePath(first), historyFilePath(client));
    for (const PageEntry& page : pages)
        QFile::remove(page.path());
}

std::vector<BoardClient> boardClients(const ThousandClients& clients) {
    std::vector<BoardClient> listed;
    for (int index = 0; index < clients.files().size(); ++index)
        listed.push_back({QStringLiteral("Client %1").arg(index + 1), clients.files()[index]});
    return listed;
}

void openBoard(const std::vector<BoardClient>& clients) {
    ReturnsBoard board;
    board.resize(1200, 800);
    board.setClients(clients);
    board.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(board.rows().size());
}

void boardOfThousandClientsWithTwoYearsOfReturns(benchmark::State& state) {
    const ThousandClients clients;
    giveEveryClientTwoYearsOfReturns(clients);
    const std::vector<BoardClient> listed = boardClients(clients);
    double board = 0, startup = 0, read = 0;
    for (auto _ : state) {
        const double seconds = secondsOf([&] { openBoard(listed); });
        state.SetIterationTime(seconds);
        board += seconds;
        startup += secondsOf([&] { startUp(clients); });
        read +=
            secondsOf([&] { benchmark::DoNotOptimize(readBoard(listed, QDate::currentDate())); });
    }
    state.counters["startup_ms"] = startup / double(state.iterations()) * 1000;
    state.counters["histories_read_ms"] = read / double(state.iterations()) * 1000;
    state.counters["ratio"] = board / startup;
}
BENCHMARK(boardOfThousandClientsWithTwoYearsOfReturns)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
} // namespace
