// Start-up to a filled client list with 1,000 client files, measured beside what it cannot
// be faster than: a bare main window shown, and reading the same files with `cat`. The goal is
// a start-up of at most 1.5 times those two together (the `ratio` counter).
#include "app/PreparerApp.h"
#include "clients/ClientFile.h"
#include "platform/FixedText.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

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
} // namespace
