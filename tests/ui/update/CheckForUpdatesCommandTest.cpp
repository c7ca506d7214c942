#include "app/GlobalDoc.h"
#include "app/MainFrame.h"
#include "platform/Clock.h"
#include "support/UpdateTestServer.h"
#include "ui/app/AppTestFixture.h"
#include "ui/update/UpdateDialogCloser.h"
#include "update/UpdateCommands.h"

#include <QAction>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The main window's "Check For New Updates" command against a local server.
class CheckForUpdatesCommandTest : public AppTestFixture {
protected:
    CheckForUpdatesCommandTest() {
        Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 30), Qt::UTC));
        server.putFile(QStringLiteral("Update/VanVer.txt"), "1\n2.0.97\n");
        settings().setValue(QStringLiteral("Update/ServerUrl"), server.baseUrl());
        frame = std::make_unique<CMainFrame>(document);
        frame->options().timeOfLastUpdate = 1000;
    }
    ~CheckForUpdatesCommandTest() override {
        UpdateCommands::setOfflineProbe({});
        Clock::release();
    }

    void runCommand(bool offline) {
        UpdateCommands::setOfflineProbe([offline] { return offline; });
        const UpdateDialogCloser closer;
        frame->findChild<QAction*>(QStringLiteral("checkForUpdates"))->trigger();
    }

    UpdateTestServer server;
    CGlobalDoc document;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(CheckForUpdatesCommandTest, OnlineItChecksTheConfiguredServerAndRecordsTheCheck) {
    ASSERT_TRUE(server.isRunning());
    runCommand(false);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(frame->options().timeOfLastUpdate, int(Clock::secondsSinceEpoch()));
    EXPECT_FALSE(QFileInfo::exists(programFolder.filePath(QStringLiteral("VanVer.txt"))));
}

TEST_F(CheckForUpdatesCommandTest, OfflineItOnlySaysSo) {
    runCommand(true);
    EXPECT_EQ(boxes.texts(),
              QStringList{QStringLiteral("Vantrobe needs to connect to the Internet to download "
                                         "new updates.\nPlease check your Internet connection "
                                         "and try again.")});
    EXPECT_EQ(frame->options().timeOfLastUpdate, 1000);
}

} // namespace
