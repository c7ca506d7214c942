#include "app/ClientsView.h"

#include "returns/ReturnRecord.h"
#include "support/TestPaths.h"
#include "taxtables/TaxTable.h"
#include "ui/FlatHeaderView.h"
#include "ui/PictureButton.h"
#include "ui/app/ClientFolder.h"
#include "ui/ui/RecordingMessageBoxes.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "wizards/return/ReturnWizard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
const QString kSelectClient = QStringLiteral("Please select a client from the list");

class ClientsViewTest : public ::testing::Test {
protected:
    ClientsViewTest() {
        folder = ProgramFolderText(dir.path());
        ClientFolder::write(folder,
                            {"Vtb00001.kvr", "Zephyr Foods", "(312) 555-0101", "1234-5678"});
        ClientFolder::write(folder,
                            {"Vtb00002.kvr", "acme Hardware", "(217) 555-0102", "2222-3333"});
        ClientFolder::write(folder,
                            {"Vtb00003.kvr", "Midway Fuel", "(309) 555-0300", "4444-5555", true});
        ClientFolder::write(folder, {"Vtb00004.kvr", ""});
        QFile junk(folder + "Vtb00005.kvr");
        junk.open(QIODevice::WriteOnly);
        junk.write("not a client");
        junk.close();
        view.resize(800, 500);
        view.show();
        view.loadClients(folder);
    }

    static QString ProgramFolderText(const QString& path) { return path + u'/'; }
    QTreeWidget* list() const { return view.findChild<QTreeWidget*>(QStringLiteral("clientList")); }
    PictureButton* button(const QString& caption) const {
        for (PictureButton* candidate : view.findChildren<PictureButton*>()) {
            if (candidate->text() == caption)
                return candidate;
        }
        return nullptr;
    }
    QStringList row(int index) const {
        QStringList texts;
        for (int column = 0; column < 4; ++column)
            texts << list()->topLevelItem(index)->text(column);
        return texts;
    }
    void select(int index) const { list()->setCurrentItem(list()->topLevelItem(index)); }

    QTemporaryDir dir;
    QString folder;
    TaxTable table;
    CClientsView view{table};
    RecordingMessageBoxes boxes;
};

TEST_F(ClientsViewTest, ListsReadableNamedClientsSortedByNameWithTheirColumns) {
    ASSERT_EQ(view.clientCount(), 3);
    EXPECT_EQ(row(0), (QStringList{"acme Hardware", "(217) 555-0102", "2222-3333", "NO"}));
    EXPECT_EQ(row(1), (QStringList{"Midway Fuel", "(309) 555-0300", "4444-5555", "YES"}));
    EXPECT_EQ(row(2), (QStringList{"Zephyr Foods", "(312) 555-0101", "1234-5678", "NO"}));
    const QStringList titles = {"Business Name", "Phone Number", "IBT #", "Multi-location"};
    const int widths[] = {310, 120, 95};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(list()->headerItem()->text(column), titles[column]);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(list()->columnWidth(column), widths[column]);
    EXPECT_TRUE(qobject_cast<FlatHeaderView*>(list()->header()));
    EXPECT_TRUE(list()->header()->sectionsMovable());
    EXPECT_EQ(list()->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(ClientsViewTest, AddedClientsTakeTheirSortedPlaceAndNamelessOnesAreLeftOut) {
    ClientInfo client;
    FixedText::set(client.record.businessName, QStringLiteral("Lakeside Deli"));
    view.addClient(client);
    view.addClient(ClientInfo());
    ASSERT_EQ(view.clientCount(), 4);
    EXPECT_EQ(row(1)[0], QStringLiteral("Lakeside Deli"));
    EXPECT_TRUE(view.clientNameExists(QStringLiteral("Lakeside Deli")));
    EXPECT_FALSE(view.clientNameExists(QStringLiteral("lakeside deli")));
    EXPECT_EQ(view.findClient(QStringLiteral("Zephyr Foods")), 3);
}

TEST_F(ClientsViewTest, TheFiveButtonsSitInARowAboveTheList) {
    const QStringList captions = {"&New Client ", "&Modify Client", "&Delete Client", "New &Return",
                                  "Return H&istory"};
    int right = -1;
    for (const QString& caption : captions) {
        PictureButton* found = button(caption);
        ASSERT_TRUE(found) << caption.toStdString();
        EXPECT_FALSE(found->icon().isNull());
        EXPECT_GT(found->x(), right);
        right = found->geometry().right();
    }
}

TEST_F(ClientsViewTest, TheListFillsTheViewBelowTheButtonsOnEverySize) {
    for (const QSize size : {QSize(800, 500), QSize(1200, 700), QSize(640, 380)}) {
        view.resize(size);
        const int top = button(QStringLiteral("&New Client "))->height() * 3 / 2;
        EXPECT_EQ(list()->geometry(), QRect(0, top, size.width() - 5, size.height() - 5 - top));
    }
}

TEST_F(ClientsViewTest, DeletingAsksFirstAndKeepsADeletedCopy) {
    select(1);
    boxes.answer = false;
    view.deleteClient();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Are you sure you want to delete this client?"));
    EXPECT_TRUE(boxes.shown[0].question);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(boxes.shown[0].noIsDefault); // Enter on the question deletes nothing
    EXPECT_EQ(view.clientCount(), 3);
    EXPECT_TRUE(QFile::exists(folder + "Vtb00003.kvr"));

    boxes.answer = true;
    view.deleteClient();
    EXPECT_EQ(view.clientCount(), 2);
    EXPECT_FALSE(view.clientNameExists(QStringLiteral("Midway Fuel")));
    EXPECT_FALSE(QFile::exists(folder + "Vtb00003.kvr"));
    EXPECT_TRUE(QFile::exists(folder + "Vtb00003.del"));
    EXPECT_FALSE(view.hasSelection());
}

TEST_F(ClientsViewTest, CommandsWithoutASelectionSayWhatToDo) {
    const std::pair<void (CClientsView::*)(), QString> cases[] = {
        {&CClientsView::deleteClient, kSelectClient},
        {&CClientsView::returnHistory, kSelectClient},
        {&CClientsView::newReturn,
         QStringLiteral("Please select a client from the list of clients first.\nIf you don't "
                        "have any clients yet , please start by creating one.")},
    };
    for (const auto& [command, message] : cases) {
        boxes.shown.clear();
        (view.*command)();
        EXPECT_EQ(boxes.texts(), QStringList{message});
    }
    EXPECT_EQ(view.clientCount(), 3);
}

TEST_F(ClientsViewTest, ReturnHistoryNeedsTheClientsHistoryFile) {
    select(2);
    view.returnHistory();
    EXPECT_EQ(boxes.texts(),
              QStringList{QStringLiteral("Sorry there is no return history for this client.\n"
                                         "Please start by creating a new return for this client "
                                         "and try again.")});
    boxes.shown.clear();
    QFile history(folder + "Vtb00001.rhi");
    history.open(QIODevice::WriteOnly);
    history.close();
    QString shownTitle;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            shownTitle = dialog->windowTitle();
            dialog->close();
        }
    });
    // A return deleted there changes what the board shows of the client.
    QSignalSpy historyChanged(&view, &CClientsView::historyMayHaveChanged);
    view.returnHistory();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(shownTitle, "Return History");
    ASSERT_EQ(historyChanged.size(), 1);
    EXPECT_EQ(historyChanged.front().front().toString(), folder + "Vtb00001.kvr");
}

TEST_F(ClientsViewTest, DoubleClickStartsANewReturnOnlyOnARow) {
    QWidget* area = list()->viewport();
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(20, area->height() - 5));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(view.hasSelection());
    const QRect firstRow = list()->visualItemRect(list()->topLevelItem(0));
    QTest::mouseClick(area, Qt::LeftButton, {}, firstRow.center());
    QString wizardTitle;
    whenModalOpens<ReturnWizard>([&](ReturnWizard* wizard) {
        wizardTitle = wizard->windowTitle();
        wizard->done(CWizardDialog::kCancelled);
    });
    QTest::mouseDClick(area, Qt::LeftButton, {}, firstRow.center());
    EXPECT_EQ(wizardTitle, QStringLiteral("Create New Return"));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(view.selectedClient()->path, folder + "Vtb00002.kvr");
}

// The list keeps only what it shows; a command reads the client's whole record from its file
// when it starts, so it works on the file as it is now, and a file gone since the list was
// loaded is said instead of being worked on.
TEST_F(ClientsViewTest, CommandsReadTheClientsCurrentFile) {
    ClientFolder::write(folder, {"Vtb00002.kvr", "acme Hardware", "(217) 555-0177", "2222-3333"});
    select(0);
    QString phoneInTheWizard;
    whenModalOpens<ReturnWizard>([&](ReturnWizard* wizard) {
        phoneInTheWizard = FixedText::get(currentReturn().client.phone);
        wizard->done(CWizardDialog::kCancelled);
    });
    view.newReturn();
    EXPECT_EQ(phoneInTheWizard, QStringLiteral("(217) 555-0177"));
    EXPECT_TRUE(boxes.shown.empty());

    ASSERT_TRUE(QFile::remove(folder + "Vtb00002.kvr"));
    view.newReturn();
    view.returnHistory();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Failed to run \"New Return\" wizard."));
    EXPECT_TRUE(boxes.shown[1].text.contains("could not be read"))
        << boxes.shown[1].text.toStdString();
    EXPECT_TRUE(boxes.shown[1].text.contains(QDir::toNativeSeparators(folder + "Vtb00002.kvr")));
    EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Stop);
}

TEST_F(ClientsViewTest, ReloadingReadsTheNewFolder) {
    QTemporaryDir other;
    ClientFolder::write(other.path(), {"Vtb00009.kvr", "Other Folder Client"});
    view.loadClients(other.path() + u'/');
    ASSERT_EQ(view.clientCount(), 1);
    EXPECT_EQ(row(0)[0], QStringLiteral("Other Folder Client"));
    view.loadClients(other.path() + QStringLiteral("/missing/"));
    EXPECT_EQ(view.clientCount(), 0);
}

TEST_F(ClientsViewTest, AFileThatCannotBeDeletedIsReportedAndItsClientStaysListed) {
    // A folder in the client file's place cannot be removed as a file.
    const QString path = folder + "Vtb00003.kvr";
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));
    select(1);
    boxes.answer = true;
    view.deleteClient();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_TRUE(boxes.shown[1].text.contains(QDir::toNativeSeparators(path)))
        << boxes.shown[1].text.toStdString();
    EXPECT_TRUE(boxes.shown[1].text.contains("could not be deleted"));
    EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Stop);
    EXPECT_EQ(view.clientCount(), 3);
    EXPECT_EQ(list()->topLevelItemCount(), 3);
    EXPECT_TRUE(view.clientNameExists(QStringLiteral("Midway Fuel")));
    EXPECT_EQ(view.selectedRow(), 1);
}

TEST_F(ClientsViewTest, EnterOnARowDoesWhatADoubleClickDoes) {
    // The row with the focus frame is the one meant, even when it is not selected yet.
    list()->setCurrentItem(list()->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        QString wizardTitle;
        whenModalOpens<ReturnWizard>([&](ReturnWizard* wizard) {
            wizardTitle = wizard->windowTitle();
            wizard->done(CWizardDialog::kCancelled);
        });
        pressKey(list(), key);
        EXPECT_EQ(wizardTitle, QStringLiteral("Create New Return"));
        EXPECT_EQ(view.selectedRow(), 0);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

// When a wizard closes, finished or cancelled, the keyboard is on the client list at once, not
// on the button that opened the wizard.
TEST_F(ClientsViewTest, TheKeyboardIsBackOnTheListWhenAWizardCloses) {
    for (const char* caption : {"&New Client ", "&Modify Client", "New &Return"}) {
        for (const int result : {CWizardDialog::kCancelled, CWizardDialog::kFinished}) {
            select(0);
            button(caption)->setFocus();
            QString title;
            whenModalOpens<CWizardDialog>([&](CWizardDialog* wizard) {
                title = wizard->windowTitle();
                wizard->done(result);
            });
            button(caption)->click();
            ASSERT_FALSE(title.isEmpty()) << caption;
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return QApplication::activeWindow() == view.window(); }, 2000))
                << caption;
            EXPECT_EQ(view.focusWidget(), list()) << caption << " " << result;
        }
    }
}

// With nothing selected, Down selects the first row, also when it is the only one.
TEST_F(ClientsViewTest, DownWithNothingSelectedSelectsTheFirstRow) {
    for (const int rows : {3, 1}) {
        while (view.clientCount() > rows) {
            select(view.clientCount() - 1);
            view.deleteClient();
        }
        ASSERT_FALSE(view.hasSelection());
        list()->setFocus();
        list()->setCurrentItem(list()->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
        pressKey(list(), Qt::Key_Down);
        EXPECT_EQ(view.selectedRow(), 0) << rows << " rows";
    }
}

TEST_F(ClientsViewTest, AnEmptyListSaysWhatToDoFirst) {
    auto* hint = view.findChild<QLabel*>(QStringLiteral("emptyListHint"));
    ASSERT_TRUE(hint);
    EXPECT_FALSE(hint->isVisible());
    QTemporaryDir empty;
    view.loadClients(empty.path() + u'/');
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), "No clients yet: click New Client to set up the first business.");
    EXPECT_EQ(hint->geometry(), list()->viewport()->rect());
    view.loadClients(folder);
    EXPECT_FALSE(hint->isVisible());
}
} // namespace
