// The main of every test binary: a Qt application object (a GUI one when the binary links
// QtGui, so painting works offscreen) and a settings store in a temporary folder, so that no
// test ever reads or writes the real user's settings.

#include <QCoreApplication>
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

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
