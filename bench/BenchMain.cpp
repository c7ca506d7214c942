// The benchmarks need an application object for painting and windows: offscreen, with one
// screen of 1920 x 1080, as many preparers have.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    const QTemporaryDir screens;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QFile config(screens.filePath(QStringLiteral("offscreen.json")));
        config.open(QIODevice::WriteOnly);
        config.write(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1920, )"
                     R"("height": 1080}]})");
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
