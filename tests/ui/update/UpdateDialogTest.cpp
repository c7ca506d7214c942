#include "update/UpdateDialog.h"

#include "platform/Clock.h"
#include "settings/OptionsSettings.h"
#include "settings/SettingsBinder.h"
#include "support/TestFiles.h"
#include "support/TestUpdates.h"
#include "support/UpdateTestServer.h"
#include "ui/ui/RecordingMessageBoxes.h"
#include "ui/update/UpdateDialogCloser.h"
#include "update/UpdateCommands.h"
#include "update/UpdateSignature.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr int kWaitMs = 20000;
const QString kNothingFound =
    QStringLiteral("No new updates were found.Please click \"Close\" to close this dialog.");

class UpdateDialogTest : public ::testing::Test {
protected:
    UpdateDialogTest() { Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 30), Qt::UTC)); }
    ~UpdateDialogTest() override { Clock::release(); }
    void SetUp() override { ASSERT_TRUE(server.isRunning()); }

    UpdateEnvironment environment(const QString& mode = QStringLiteral("plain")) {
        UpdateEnvironment result;
        result.job = {UpdateServer{server.baseUrl(mode)}, keys.publicKey, temporaryFolder.path(),
                      programFolder.path()};
        result.startUpdater = [this] {
            ++updaterStarts;
            return updaterStarts <= updaterStartsThatWork;
        };
        result.endProgram = [this] { programEnded = true; };
        return result;
    }

    void publishVersion(const QByteArray& text) {
        server.putFile(QStringLiteral("Update/VanVer.txt"), text);
    }
    // A signed release of the files for `version`, with its manifest.
    void publishArchive(const std::vector<TestZip::Entry>& files,
                        const QString& version = QStringLiteral("2.1")) {
        TestUpdates::publish(server, TestUpdates::release(files, version), keys.secretKey);
    }

    template <typename Widget>
    static Widget* child(const UpdateDialog& dialog, const char* name) {
        return dialog.findChild<Widget*>(QLatin1String(name));
    }
    static QString text(const UpdateDialog& dialog, const char* name) {
        return child<QLabel>(dialog, name)->text();
    }
    static bool waitForCloseButton(const UpdateDialog& dialog) {
        return QTest::qWaitFor(
            [&] { return !child<QPushButton>(dialog, "closeButton")->isHidden(); }, kWaitMs);
    }

    UpdateTestServer server;
    UpdateSignature::KeyPair keys = UpdateSignature::generateKeyPair();
    QTemporaryDir temporaryFolder;
    QTemporaryDir programFolder;
    RecordingMessageBoxes boxes;
    int timeOfLastUpdate = 1000;
    int updaterStarts = 0;
    int updaterStartsThatWork = 1;
    bool programEnded = false;
};

TEST_F(UpdateDialogTest, StartsWithStepOneOnAWhiteBackground) {
    publishVersion("1\n2.0.97\n");
    UpdateDialog dialog(timeOfLastUpdate, environment());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Auto-update  Vantrobe"));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(child<QGroupBox>(dialog, "step1Group")->title(),
              QStringLiteral("Step 1 : Checking for new updates"));
    EXPECT_EQ(text(dialog, "step1Status"),
              QStringLiteral("Please wait while Vantrobe looks for new updates..."));
    EXPECT_EQ(child<QGroupBox>(dialog, "step2Group")->title(),
              QStringLiteral("Step 2 : Downloading new updates"));
    EXPECT_FALSE(child<QGroupBox>(dialog, "step2Group")->isEnabled());
    EXPECT_EQ(text(dialog, "progressLabel"), QStringLiteral("Download progress"));
    EXPECT_EQ(text(dialog, "progressText"), QString());
    EXPECT_FALSE(child<QProgressBar>(dialog, "progressBar")->isEnabled());
    EXPECT_EQ(child<QGroupBox>(dialog, "step3Group")->title(),
              QStringLiteral("Step 3 : Installing updates and restarting Vantrobe"));
    EXPECT_EQ(text(dialog, "step3Status"),
              QStringLiteral("Please wait while the new updates gets installed..."));
    EXPECT_FALSE(child<QGroupBox>(dialog, "step3Group")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(dialog, "closeButton")->isHidden());
    EXPECT_FALSE(child<QPushButton>(dialog, "cancelButton")->isHidden());
}

TEST_F(UpdateDialogTest, NothingFoundOffersCloseWhichRecordsTheCheck) {
    publishVersion("1\r\n2.0.97.5\r\nvantrobe\r\n");
    UpdateDialog dialog(timeOfLastUpdate, environment());
    dialog.show();
    ASSERT_TRUE(waitForCloseButton(dialog));
    EXPECT_EQ(text(dialog, "step1Status"), kNothingFound);
    EXPECT_TRUE(child<QPushButton>(dialog, "cancelButton")->isHidden());
    EXPECT_EQ(timeOfLastUpdate, 1000);
    QTest::mouseClick(child<QPushButton>(dialog, "closeButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(timeOfLastUpdate, int(Clock::secondsSinceEpoch()));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(UpdateDialogTest, AnErrorPageIsAnIncompatibleVersionFile) {
    UpdateDialog dialog(timeOfLastUpdate, environment(QStringLiteral("error")));
    dialog.show();
    ASSERT_TRUE(waitForCloseButton(dialog));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("This updater version is not compatible with the latest version of "
                             " Vantrobe,\n please contact us to get a full installation."));
    EXPECT_EQ(text(dialog, "step1Status"), kNothingFound);
}

TEST_F(UpdateDialogTest, DownloadsStagesAndHandsOverToTheUpdater) {
    publishVersion("1\n2.1\nvantrobe\nlib/libx.so\n");
    publishArchive(
        {{"vantrobe", QByteArray(300000, 'p'), false, 0755}, {"lib/libx.so", "new library"}});
    UpdateDialog dialog(timeOfLastUpdate, environment());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return updaterStarts > 0; }, kWaitMs));
    EXPECT_EQ(text(dialog, "step1Status"), QStringLiteral("New updates were found."));
    EXPECT_TRUE(child<QGroupBox>(dialog, "step2Group")->isEnabled());
    EXPECT_TRUE(text(dialog, "progressText").startsWith(QStringLiteral("Downloaded ")));
    EXPECT_TRUE(text(dialog, "progressText").contains(QStringLiteral(" of ")));
    EXPECT_EQ(child<QProgressBar>(dialog, "progressBar")->value(), 100);
    EXPECT_TRUE(child<QGroupBox>(dialog, "step3Group")->isEnabled());
    EXPECT_EQ(text(dialog, "step3Status"), QStringLiteral("Vantrobe will restart in 2 seconds"));
    EXPECT_TRUE(programEnded);
    EXPECT_TRUE(boxes.shown.empty());
    const QDir program(programFolder.path());
    EXPECT_EQ(TestFiles::readAll(program.filePath(QStringLiteral("New/lib/libx.so"))),
              "new library");
    EXPECT_EQ(TestFiles::readAll(program.filePath(QStringLiteral("VanVer.txt"))),
              "1\n2.1\nvantrobe\nlib/libx.so\n");
    EXPECT_EQ(timeOfLastUpdate, 1000);
}

TEST_F(UpdateDialogTest, AnUpdaterThatCannotStartLeavesTheDialogAsItIs) {
    updaterStartsThatWork = 0;
    publishVersion("1\n2.1\nvantrobe\n");
    publishArchive({{"vantrobe", "new program"}});
    UpdateDialog dialog(timeOfLastUpdate, environment());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return updaterStarts > 0; }, kWaitMs));
    EXPECT_FALSE(programEnded);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(UpdateDialogTest, AnUnsignedArchiveFailsTheDownloadAndKeepsTheDialogOpen) {
    publishVersion("1\n2.1\nvantrobe\n");
    publishArchive({{"vantrobe", "new program"}});
    server.removeFile(QStringLiteral("Update/VantroUp.zip.sig"));
    UpdateDialog dialog(timeOfLastUpdate, environment());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.shown.empty(); }, kWaitMs));
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Downloading the update failed"));
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(child<QPushButton>(dialog, "closeButton")->isHidden());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(child<QGroupBox>(dialog, "step3Group")->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(programFolder.filePath(QStringLiteral("New"))));
    EXPECT_EQ(updaterStarts, 0);
}

TEST_F(UpdateDialogTest, AnArchiveThatCannotBeUnpackedClosesTheDialog) {
    publishVersion("1\n2.1\nvantrobe\n");
    TestUpdates::publish(server,
                         TestUpdates::zipped({{"vantrobe", "new program"}, {"../escaped", "bad"}}),
                         keys.secretKey);
    UpdateDialog dialog(timeOfLastUpdate, environment());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, kWaitMs));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("An error occurred while unzipping the new updates.\n"
                             "The update dialog will now close."));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(timeOfLastUpdate, 1000);
    EXPECT_FALSE(QFileInfo::exists(programFolder.filePath(QStringLiteral("New"))));
}

TEST_F(UpdateDialogTest, EscapeDuringTheDownloadCancelsIt) {
    publishVersion("1\n2.1\nvantrobe\n");
    // Random bytes do not compress, so the slow server needs about a minute for them.
    QByteArray program(20000, '\0');
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(program.data()),
                                          program.size() / 4);
    publishArchive({{"vantrobe", program}});
    UpdateDialog dialog(timeOfLastUpdate, environment(QStringLiteral("slow")));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text(dialog, "progressText").isEmpty(); }, kWaitMs));
    dialog.reject();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, kWaitMs));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(updaterStarts, 0);
}

// The check runs on the worker: a server that sends a byte a second leaves the window
// responsive, and Cancel ends the check and the dialog without a word.
TEST_F(UpdateDialogTest, CancelEndsACheckThatTrickles) {
    publishVersion("1\n2.1\n" + QByteArray(600, '\n'));
    UpdateDialog dialog(timeOfLastUpdate, environment(QStringLiteral("trickle")));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requests().isEmpty(); }, kWaitMs));
    auto* cancel = child<QPushButton>(dialog, "cancelButton");
    ASSERT_TRUE(cancel->isVisible() && cancel->isEnabled());
    QTest::mouseClick(cancel, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, kWaitMs));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(text(dialog, "step1Status"),
              QStringLiteral("Please wait while Vantrobe looks for new updates..."));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(timeOfLastUpdate, 1000);
}

// Where the program cannot write its own folder, nothing is downloaded: an administrator
// must install the update. /proc takes no new file, whoever runs the test.
TEST_F(UpdateDialogTest, AFolderTheProgramCannotWriteNeedsAnAdministrator) {
    publishVersion("1\n2.1\nvantrobe\n");
    publishArchive({{"vantrobe", "new program"}});
    UpdateEnvironment readOnly = environment();
    readOnly.job.programFolder = QStringLiteral("/proc/");
    UpdateDialog dialog(timeOfLastUpdate, readOnly);
    dialog.show();
    ASSERT_TRUE(waitForCloseButton(dialog));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("A newer version of Vantrobe is available, but Vantrobe cannot "
                             "change its program folder:\n/proc/\nAn administrator must install "
                             "the update."));
    EXPECT_EQ(server.requests(), QStringList{QStringLiteral("/plain/Update/VanVer.txt")});
    EXPECT_FALSE(child<QGroupBox>(dialog, "step2Group")->isEnabled());
    EXPECT_EQ(updaterStarts, 0);
}

TEST_F(UpdateDialogTest, AnOlderReleaseOfferedAsNewerIsRefused) {
    publishVersion("1\n2.1\nvantrobe\n");
    publishArchive({{"vantrobe", "old program"}}, QStringLiteral("2.0.90"));
    UpdateDialog dialog(timeOfLastUpdate, environment());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.shown.empty(); }, kWaitMs));
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("The update on the server does not check out: it is not the newer "
                             "version it announces, or its list of files does not match its "
                             "contents. Nothing was installed."));
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(child<QPushButton>(dialog, "closeButton")->isHidden());
    EXPECT_FALSE(QFileInfo::exists(programFolder.filePath(QStringLiteral("New"))));
    EXPECT_EQ(updaterStarts, 0);
}

// A missing archive is a failed download; the 404 page's size is never shown as its size.
TEST_F(UpdateDialogTest, AMissingArchiveFailsWithoutShowingASize) {
    publishVersion("1\n2.1\nvantrobe\n");
    UpdateDialog dialog(timeOfLastUpdate, environment());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.shown.empty(); }, kWaitMs));
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Downloading the update failed"));
    EXPECT_EQ(text(dialog, "progressText"), QString());
    EXPECT_EQ(child<QProgressBar>(dialog, "progressBar")->value(), 0);
}

TEST_F(UpdateDialogTest, TheAutomaticCheckOpensTheConfiguredServersDialogOnlyWhenDue) {
    publishVersion("1\n2.0.97\n");
    QSettings settings(SettingsStore::kOrganization, SettingsStore::kApplication);
    settings.setValue(QStringLiteral("Update/ServerUrl"), server.baseUrl());
    UpdateCommands::setOfflineProbe([] { return false; });
    const UpdateDialogCloser closer;
    const int now = int(Clock::secondsSinceEpoch());
    {
        OptionsSettings options(programFolder.path());
        options.checkForUpdatesFrequency = 0;
        options.timeOfLastUpdate = now - 86399;
        UpdateCommands::automaticCheck(nullptr, options);
        EXPECT_EQ(options.timeOfLastUpdate, now - 86399);

        settings.setValue(QStringLiteral("Update/AutomaticCheck"), 0);
        options.timeOfLastUpdate = now - 86400;
        UpdateCommands::automaticCheck(nullptr, options);
        EXPECT_EQ(options.timeOfLastUpdate, now - 86400);

        settings.remove(QStringLiteral("Update/AutomaticCheck"));
        UpdateCommands::automaticCheck(nullptr, options);
        EXPECT_EQ(options.timeOfLastUpdate, now);
    }
    UpdateCommands::setOfflineProbe({});
    settings.clear();
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(UpdateCommandsTest, OfflineTheCommandOnlySaysSo) {
    RecordingMessageBoxes boxes;
    UpdateCommands::setOfflineProbe([] { return true; });
    int timeOfLastUpdate = 0;
    UpdateCommands::checkForUpdates(nullptr, timeOfLastUpdate);
    UpdateCommands::setOfflineProbe({});
    EXPECT_EQ(boxes.texts(),
              QStringList{QStringLiteral("Vantrobe needs to connect to the Internet to download "
                                         "new updates.\nPlease check your Internet connection "
                                         "and try again.")});
}

} // namespace
