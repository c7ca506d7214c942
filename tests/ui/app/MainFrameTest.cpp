#include "app/MainFrame.h"

#include "app/AboutDialog.h"
#include "app/GlobalDoc.h"
#include "app/OptionsDialog.h"
#include "clients/ClientsView.h"
#include "ui/app/AppTestFixture.h"

#include <QAction>
#include <QApplication>
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
        QTimer::singleShot(0, [folder] {
            auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("clientFolder"))->setText(folder);
            dialog->accept();
        });
        frame->onOptions();
    }

    CGlobalDoc document;
    std::unique_ptr<CMainFrame> frame;
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
} // namespace
