// The main of every test binary: a Qt application object (a GUI one when the binary links
// QtGui, so painting works offscreen), a settings store in a temporary folder, so that no
// test ever reads or writes the real user's settings, and a temporary folder of its own, so
// a test can tell which temporary files were left behind even while other tests run.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#if defined(VANTROBE_TEST_CHILD_PROCESSES)
#include "support/ChildProcessMain.h"
#endif

#if defined(VANTROBE_TEST_APPLICATION_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(VANTROBE_TEST_APPLICATION_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
using TestApplication = QCoreApplication;
#endif

// Widgets are tested on the offscreen platform with one screen of 1280 x 800, the smallest
// desktop the program is laid out for (the platform's own default is 800 x 600).
void useOffscreenScreen(const QTemporaryDir& home) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    const QString config = home.filePath("offscreen.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(
        R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1280, "height": 800}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
}

int main(int argc, char** argv) {
    // Static, so it outlives the program's own private temporary folder made inside it, which
    // goes when the program's statics do.
    static QTemporaryDir home;
    // Test mode puts the standard folders under the home folder, so each test process has a
    // home of its own: tests run in parallel and must never share a settings or cache file.
    QDir().mkpath(home.filePath("home"));
    qputenv("HOME", home.filePath("home").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toLocal8Bit());
    QDir().mkpath(home.filePath("tmp"));
    qputenv("TMPDIR", home.filePath("tmp").toLocal8Bit());
    useOffscreenScreen(home);
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath("settings"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.filePath("settings"));

    TestApplication app(argc, argv);
#if defined(VANTROBE_TEST_CHILD_PROCESSES)
    if (const std::optional<int> childExit = runAsChildProcess(argc, argv))
        return *childExit;
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
