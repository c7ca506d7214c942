#include "app/MainFrame.h"

#include "app/AboutDialog.h"
#include "app/ClientsView.h"
#include "app/GlobalDoc.h"
#include "app/LockKeyState.h"
#include "app/OptionsDialog.h"
#include "app/PreparerApp.h"
#include "ui/app/AppTestFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {
class MainFrameTest : public AppTestFixture {
protected:
    MainFrameTest() {
        document.loadSharedData(taxTable());
        frame = std::make_unique<CMainFrame>(document);
        document.setOptions(&frame->options());
        frame->initialUpdate();
        frame->show();
    }

    QAction* action(const char* name) const {
        return frame->findChild<QAction*>(QLatin1String(name));
    }
    void selectRow(int row) const {
        auto* list = frame->findChild<QTreeWidget*>(QStringLiteral("clientList"));
        list->setCurrentItem(row >= 0 ? list->topLevelItem(row) : nullptr);
        if (row < 0)
            list->clearSelection();
    }
    // Runs the Options command, typing `folder` into the open dialog and pressing OK.
    void runOptionsWithFolder(const QString& folder) {
        QTimer::singleShot(0, [this, folder] {
            auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("clientFolder"))->setText(folder);
            dialog->accept();
            stayedOpen = dialog->isVisible();
            if (stayedOpen)
                dialog->reject();
        });
        frame->onOptions();
    }

    QTreeWidget* list() const {
        return frame->findChild<QTreeWidget*>(QStringLiteral("clientList"));
    }

    CGlobalDoc document;
    std::unique_ptr<CMainFrame> frame;
    bool stayedOpen = false; // whether the last Options dialog refused OK
};

TEST_F(MainFrameTest, ClientCommandsNeedASelection) {
    for (const char* name : {"modifyClient", "deleteClient", "newReturn"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("newClient")->isEnabled());
    selectRow(0);
    for (const char* name : {"modifyClient", "deleteClient", "newReturn"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    selectRow(-1);
    for (const char* name : {"modifyClient", "deleteClient", "newReturn"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
}

TEST_F(MainFrameTest, BackupNeedsAtLeastOneClientAndRestoreNeverDoes) {
    EXPECT_TRUE(action("backup")->isEnabled());
    selectRow(0);
    action("deleteClient")->trigger();
    selectRow(0);
    action("deleteClient")->trigger();
    ASSERT_EQ(frame->clientsView()->clientCount(), 0);
    EXPECT_FALSE(action("backup")->isEnabled());
    EXPECT_TRUE(action("restore")->isEnabled());
    EXPECT_FALSE(action("deleteClient")->isEnabled());
}

TEST_F(MainFrameTest, WindowTitleAndSmallestSize) {
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Vantrobe"));
    frame->resize(300, 200);
    EXPECT_EQ(frame->size(), QSize(632, 400));
}

TEST_F(MainFrameTest, ToolbarButtonsHaveTipsAndPromptsAndTheStatusBarSaysReady) {
    auto* toolBar = frame->findChild<QToolBar*>(QStringLiteral("mainToolBar"));
    ASSERT_TRUE(toolBar);
    const QList<QAction*> buttons = toolBar->actions();
    QStringList tips;
    QStringList prompts;
    for (QAction* button : buttons) {
        if (button->isSeparator())
            continue;
        tips << button->toolTip();
        prompts << button->statusTip();
        EXPECT_FALSE(button->icon().isNull());
    }
    EXPECT_EQ(tips, (QStringList{"Backup", "Restore", "Calendar", "Calculator", "About"}));
    EXPECT_EQ(prompts, (QStringList{"Backup Client Data", "Restore Client Data",
                                    "Show the calendar", "Run Calculator", "About Vantrobe"}));
    EXPECT_EQ(toolBar->allowedAreas(), Qt::AllToolBarAreas);
    QStringList statusTexts;
    for (const QLabel* label : frame->statusBar()->findChildren<QLabel*>())
        statusTexts << label->text();
    EXPECT_TRUE(statusTexts.contains(QStringLiteral("Ready")));
    for (const char* pane : {"CAP", "NUM", "SCRL"})
        EXPECT_TRUE(frame->statusBar()->findChild<QLabel*>(QLatin1String(pane))) << pane;
}

TEST_F(MainFrameTest, ANewFolderInOptionsReloadsTheListAndTheSameFolderDoesNot) {
    ClientFolder::write(clientFolder(), {"Vtb00007.kvr", "Added Behind Its Back"});
    runOptionsWithFolder(clientFolder().chopped(1));
    EXPECT_EQ(frame->options().clientDataPath, clientFolder());
    EXPECT_EQ(frame->clientsView()->clientCount(), 2);
    runOptionsWithFolder(clientFolder());
    EXPECT_EQ(frame->clientsView()->clientCount(), 2);

    QTemporaryDir other;
    ClientFolder::write(other.path(), {"Vtb00001.kvr", "Elsewhere Inc"});
    runOptionsWithFolder(other.path());
    EXPECT_EQ(frame->options().clientDataPath, other.path() + u'/');
    ASSERT_EQ(frame->clientsView()->clientCount(), 1);
    EXPECT_TRUE(frame->clientsView()->clientNameExists(QStringLiteral("Elsewhere Inc")));
    QString chosen;
    document.newClientFileName(chosen);
    EXPECT_EQ(chosen, other.path() + QStringLiteral("/Vtb00002.kvr"));
}

TEST_F(MainFrameTest, AboutBoxShowsTheVersion) {
    AboutDialog about(frame.get());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vantrobe"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("versionLabel"))->text(),
              QStringLiteral("2.0.97"));
}

TEST_F(MainFrameTest, TheClientListHasTheFocusAndTheMenuShowsTheKeys) {
    EXPECT_EQ(frame->focusWidget(), list());
    const std::pair<const char*, QKeySequence> keys[] = {
        {"newClient", QKeySequence(QKeySequence::New)},
        {"deleteClient", QKeySequence(QKeySequence::Delete)},
        {"exit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"help", QKeySequence(QKeySequence::HelpContents)}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(action(name)->shortcut(), key) << name;
}

TEST_F(MainFrameTest, DeleteOnTheListDeletesTheSelectedClient) {
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    list()->setFocus();
    selectRow(0);
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(boxes.texts(), QStringList{"Are you sure you want to delete this client?"});
    EXPECT_EQ(frame->clientsView()->clientCount(), 1);
}

TEST_F(MainFrameTest, LockKeyPanesAreHiddenWhereThePlatformCannotTellTheirState) {
    if (readLockKeyState())
        GTEST_SKIP() << "this platform tells the lock key state";
    for (const char* pane : {"CAP", "NUM", "SCRL"})
        EXPECT_FALSE(frame->statusBar()->findChild<QLabel*>(QLatin1String(pane))->isVisible())
            << pane;
}

TEST_F(MainFrameTest, AMissingFolderInOptionsIsOfferedForCreation) {
    const QString missing = programFolder.filePath(QStringLiteral("Elsewhere/Clients"));
    boxes.answer = false;
    runOptionsWithFolder(missing);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].question);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("The folder \"%1/\" does not exist.\nDo you "
                                                  "want to create it?")
                                       .arg(missing));
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(frame->options().clientDataPath, clientFolder());

    boxes.answer = true;
    runOptionsWithFolder(missing);
    EXPECT_FALSE(stayedOpen);
    EXPECT_TRUE(QFileInfo(missing).isDir());
    EXPECT_EQ(frame->options().clientDataPath, missing + u'/');
    EXPECT_EQ(frame->clientsView()->clientCount(), 0);
}

TEST_F(MainFrameTest, OptionsRefuseAFolderThatIsAFileOrCannotBeMade) {
    const QString file = programFolder.filePath(QStringLiteral("a-file"));
    QFile(file).open(QIODevice::WriteOnly);
    for (const QString& folder : {file, file + QStringLiteral("/below")}) {
        boxes.shown.clear();
        runOptionsWithFolder(folder);
        EXPECT_TRUE(stayedOpen) << folder.toStdString();
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_TRUE(boxes.shown.back().text.contains(file))
            << boxes.shown.back().text.toStdString();
        EXPECT_TRUE(
            boxes.shown.back().text.endsWith("Please choose another folder for clients data."));
        EXPECT_EQ(frame->options().clientDataPath, clientFolder());
    }
}

TEST_F(MainFrameTest, HelpAndCalculatorSaySoWhenTheDesktopHasNone) {
    // The offscreen platform opens no documents.
    frame->onHelp();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.contains("No web browser"))
        << boxes.shown[0].text.toStdString();

    const QByteArray path = qgetenv("PATH");
    QTemporaryDir emptyPath;
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    frame->onCalculator();
    qputenv("PATH", path);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_TRUE(boxes.shown[1].text.startsWith("No calculator program was found"));
}

TEST_F(MainFrameTest, RestoredToNormalSizeTheWindowKeepsItsTitleBarOnTheScreen) {
    for (const QRect available : {QRect(0, 0, 1280, 800), QRect(0, 27, 1600, 973)}) {
        const QRect normal = CPreparerApp::normalGeometry(available, *frame);
        EXPECT_TRUE(available.contains(normal));
        EXPECT_GE(normal.top() - available.top(), frame->fontMetrics().height() * 2);
        EXPECT_GT(normal.width(), available.width() * 9 / 10);
    }
}

class FreshInstallTest : public AppTestFixture {
protected:
    FreshInstallTest() { QDir(clientFolder()).removeRecursively(); }
};

TEST_F(FreshInstallTest, TheDefaultClientFolderIsCreatedAndTheListSaysWhatToDo) {
    CGlobalDoc document;
    document.loadSharedData(taxTable());
    CMainFrame frame(document);
    document.setOptions(&frame.options());
    frame.initialUpdate();
    EXPECT_TRUE(QFileInfo(clientFolder()).isDir());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(frame.clientsView()->clientCount(), 0);
    frame.show();
    EXPECT_TRUE(frame.findChild<QLabel*>(QStringLiteral("emptyListHint"))->isVisible());
}

TEST_F(FreshInstallTest, AChosenFolderThatIsMissingIsLeftAlone) {
    const QString chosen = programFolder.filePath(QStringLiteral("usb/Clients/"));
    settings().setValue(QStringLiteral("Options/Options.ClientDataPath"), chosen);
    CGlobalDoc document;
    CMainFrame frame(document);
    ASSERT_EQ(frame.options().clientDataPath, chosen);
    frame.initialUpdate();
    EXPECT_FALSE(QFileInfo::exists(chosen));
    EXPECT_FALSE(QFileInfo::exists(clientFolder()));
}
} // namespace
