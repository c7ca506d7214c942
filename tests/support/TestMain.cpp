// The main of every test binary: a Qt application object (a GUI one when the binary links
// QtGui, so painting works offscreen), a settings store in a temporary folder, so that no
// test ever reads or writes the real user's settings, and a temporary folder of its own, so
// a test can tell which temporary files were left behind even while other tests run.

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#if defined(VANTROBE_TEST_APPLICATION_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(VANTROBE_TEST_APPLICATION_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toLocal8Bit());
    QDir().mkpath(home.filePath("tmp"));
    qputenv("TMPDIR", home.filePath("tmp").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath("settings"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.filePath("settings"));

    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
