// Start-up to a filled client list with 100, 1,000 and 10,000 client files, beside what it
// cannot be faster than: reading the same files (`head -q -c 31900` over them, in the same
// run) and, for scale, showing a bare main window. Each size prints the medians of its start-up
// and of reading the files, the ratio of each pair (the goal for 10,000 clients: at most 1.5),
// and the largest resident memory of the process during a start-up (the goal for 10,000
// clients: at most 120 MB).
#include "Measures.h"
#include "app/PreparerApp.h"
#include "clients/ClientFile.h"
#include "platform/FixedText.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

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
    ~BenchClients() { ProgramFolder::setOverride({}); }

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
} // namespace
