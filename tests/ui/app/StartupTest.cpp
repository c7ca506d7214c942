#include "app/ClientsView.h"
#include "app/GlobalDoc.h"
#include "app/MainFrame.h"
#include "app/PreparerApp.h"
#include "app/SplashPicture.h"
#include "forms/FormImages.h"
#include "ui/PictureButton.h"
#include "ui/app/AppTestFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {
class StartupTest : public AppTestFixture {
protected:
    StartupFiles files(const QString& taxTablePath) const {
        return {taxTablePath, programFolder.filePath(QStringLiteral("ErrorLog.txt"))};
    }
    QString errorLog() const { return programFolder.filePath(QStringLiteral("ErrorLog.txt")); }
    static bool anyWindowVisible() {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(),
                           [](const QWidget* window) { return window->isVisible(); });
    }
    static PictureButton* button(CMainFrame* frame, const QString& caption) {
        for (PictureButton* candidate : frame->findChildren<PictureButton*>()) {
            if (candidate->text() == caption)
                return candidate;
        }
        return nullptr;
    }
};

TEST_F(StartupTest, WithoutTheSalesTaxTableItSaysSoOnceAndLeavesNoWindow) {
    CPreparerApp app(files(programFolder.filePath(QStringLiteral("absent/Data.tbl"))));
    EXPECT_FALSE(app.initInstance());
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Loading sales tax tables failed.")});
    EXPECT_EQ(app.mainFrame(), nullptr);
    EXPECT_FALSE(anyWindowVisible());
    // The error log comes after the window is shown; the default letter check before the load.
    EXPECT_FALSE(QFile::exists(errorLog()));
    EXPECT_TRUE(QFile::exists(programFolder.filePath(QStringLiteral("DefaultLetter.rtf"))));
}

TEST_F(StartupTest, AMissingPageImageSaysTheApplicationCannotRun) {
    // Only the first page image is there: loading stops at the second.
    QDir(programFolder.path()).mkdir(QStringLiteral("forms"));
    QFile::copy(FormImages::path(FormImages::kSt1Page1),
                programFolder.filePath(QStringLiteral("forms/188.emf")));
    FormImages::useFolder(programFolder.filePath(QStringLiteral("forms")));
    CPreparerApp app(files(taxTable()));
    const bool started = app.initInstance();
    FormImages::useFolder(QString());
    EXPECT_FALSE(started);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Application Can't Run")});
    EXPECT_EQ(app.mainFrame(), nullptr);
    EXPECT_FALSE(anyWindowVisible());
}

TEST_F(StartupTest, AFullStartShowsTheMaximizedWindowWithTheClientsOfTheOptionsFolder) {
    CPreparerApp app(files(taxTable()));
    ASSERT_TRUE(app.initInstance());
    CMainFrame* frame = app.mainFrame();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Vantrobe"));
    EXPECT_GT(app.document()->taxTable().count(), 0);
    EXPECT_EQ(frame->options().clientDataPath, clientFolder());
    EXPECT_EQ(frame->clientsView()->clientCount(), 2);
    EXPECT_TRUE(QFile::exists(errorLog()));
    EXPECT_TRUE(QFile::exists(programFolder.filePath(QStringLiteral("DefaultLetter.rtf"))));
    QString chosen;
    app.document()->newClientFileName(chosen);
    EXPECT_EQ(chosen, clientFolder() + QStringLiteral("Vtb00003.kvr"));
}

TEST_F(StartupTest, TheErrorLogIsKeptAsItWas) {
    QFile earlier(errorLog());
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("left by an earlier run\n");
    earlier.close();
    {
        CPreparerApp app(files(taxTable()));
        ASSERT_TRUE(app.initInstance());
    }
    QFile log(errorLog());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), QByteArray("left by an earlier run\n"));
}

TEST_F(StartupTest, TheSplashClosesByItselfAndThenTheDiskSpaceCheckRuns) {
    CPreparerApp app(files(taxTable()));
    ASSERT_TRUE(app.initInstance());
    QPointer<SplashPicture> splash = app.mainFrame()->findChild<SplashPicture*>();
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    QSignalSpy checked(app.mainFrame(), &CMainFrame::postStartCheckDone);
    QTest::qWait(SplashPicture::kShowMs / 2);
    EXPECT_TRUE(splash);
    EXPECT_TRUE(checked.wait(3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 1000));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartupTest, TheFirstClickClosesTheSplashAndGoesNoFurther) {
    CPreparerApp app(files(taxTable()));
    ASSERT_TRUE(app.initInstance());
    QPointer<SplashPicture> splash = app.mainFrame()->findChild<SplashPicture*>();
    QSignalSpy checked(app.mainFrame(), &CMainFrame::postStartCheckDone);
    PictureButton* deleteButton = button(app.mainFrame(), QStringLiteral("&Delete Client"));
    ASSERT_TRUE(deleteButton);
    QTest::mouseClick(deleteButton, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 200));
    EXPECT_TRUE(QTest::qWaitFor([&] { return checked.count() == 1; }, 1000));
    EXPECT_TRUE(boxes.shown.empty());
    QTest::mouseClick(deleteButton, Qt::LeftButton);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Please select a client from the list")});
}

TEST_F(StartupTest, AKeyPressClosesTheSplashToo) {
    CPreparerApp app(files(taxTable()));
    ASSERT_TRUE(app.initInstance());
    QPointer<SplashPicture> splash = app.mainFrame()->findChild<SplashPicture*>();
    QTest::keyClick(app.mainFrame(), Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 200));
}

TEST_F(StartupTest, ChangedSettingsReachTheStoreAtANormalEnd) {
    {
        CPreparerApp app(files(taxTable()));
        ASSERT_TRUE(app.initInstance());
        app.mainFrame()->options().allowBlankForms = 1;
        app.mainFrame()->options().checkForUpdatesFrequency = 0;
        app.mainFrame()->mail().server = QStringLiteral("smtp.example.test");
        app.document()->preparerInfo().name = QStringLiteral("Dana Reyes");
    }
    QSettings store = settings();
    EXPECT_EQ(store.value(QStringLiteral("Options/Options.AllowBlankForms")).toInt(), 1);
    EXPECT_EQ(store.value(QStringLiteral("Options/Options.CheckForUpdatesFrequency")).toInt(), 0);
    EXPECT_EQ(store.value(QStringLiteral("Mail/Mail.Server")).toString(),
              QStringLiteral("smtp.example.test"));
    EXPECT_EQ(store.value(QStringLiteral("TaxPrepInfo/TaxPrepInfo.Name")).toString(),
              QStringLiteral("Dana Reyes"));
}

TEST_F(StartupTest, WithoutTheDefaultLetterTheProgramEndsSilently) {
    ProgramFolder::setOverride(programFolder.filePath(QStringLiteral("not/there")));
    CPreparerApp app(files(taxTable()));
    EXPECT_FALSE(app.initInstance());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(app.mainFrame(), nullptr);
    EXPECT_FALSE(anyWindowVisible());
}
} // namespace
