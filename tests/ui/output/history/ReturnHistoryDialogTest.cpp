#include "output/history/ReturnHistoryDialog.h"

#include "history/HistoryDatabase.h"
#include "history/HistoryFilePath.h"
#include "history/ReturnHistory.h"
#include "output/ReturnPreviewWindow.h"
#include "output/history/ReturnHistoryOffer.h"
#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "support/BlankReturnPages.h"
#include "support/HistoryTestFiles.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "ui/ui/RecordingMessageBoxes.h"
#include "ui/ui/wizard/UiTestHelpers.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {
const QString kSelectReturn = QStringLiteral("Please select a return from the list!");
const QString kExtractFailed =
    QStringLiteral("An error occurred while extracting the return data!");

class ReturnHistoryDialogTest : public ::testing::Test {
protected:
    ReturnHistoryDialogTest() {
        QDir().mkpath(temp.path() + "/Clients");
        client.path = temp.path() + "/Clients/Vtb00001.kvr";
        FixedText::set(client.record.businessName, QStringLiteral("Zephyr Foods"));
        Clock::setFixed(QDateTime(QDate(2005, 3, 5), QTime(9, 5)));
    }
    ~ReturnHistoryDialogTest() override { Clock::release(); }

    void storeReturns(int count) {
        for (int entry = 0; entry < count; ++entry)
            ASSERT_TRUE(addReturnToHistory(client.path, HistoryTestFiles::makePages(2), {}));
    }
    std::unique_ptr<CReturnHistoryDialog> openDialog() {
        database.open(historyFilePath(client.path));
        return std::make_unique<CReturnHistoryDialog>(database, client);
    }
    static QPushButton* button(QWidget* dialog, const QString& text) {
        for (QPushButton* candidate : dialog->findChildren<QPushButton*>()) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }
    QString pagesFolder() const { return temp.path() + "/UnzippedEmf"; }

    ScopedTempFolder temp;
    ClientInfo client;
    HistoryDatabase database;
    RecordingMessageBoxes boxes;
};

TEST_F(ReturnHistoryDialogTest, ListsEveryEntryWithItsColumnsAndNumber) {
    storeReturns(3);
    database.open(historyFilePath(client.path));
    deleteHistoryReturn(database, 2);
    const auto dialog = openDialog();
    EXPECT_EQ(dialog->windowTitle(), "Return History");
    QTreeWidget* list = dialog->list();
    const QStringList titles = {"Return Number",      "Return Date",    "Return Time",
                                "ST1 Total Receipts", "ST1 Deductions", "ST1 Taxable Receipts",
                                "ST1 Payment Due"};
    const int widths[] = {85, 90, 90, 105, 90, 120, 105};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(list->headerItem()->text(column), titles[column]);
        // The specified width, widened where the title needs more.
        EXPECT_EQ(list->columnWidth(column),
                  std::max(widths[column], list->header()->sectionSizeHint(column)));
    }
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "3");
    EXPECT_EQ(list->topLevelItem(1)->text(1), "3-5-2005");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "9:5 AM");
    EXPECT_EQ(list->topLevelItem(1)->data(0, Qt::UserRole).toInt(), 3);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
}

// At its opening size the dialog shows every column whole, "ST1 Payment Due" included, with
// the normal font and with a large one, and grows with the font; its commands have access keys.
TEST_F(ReturnHistoryDialogTest, EveryColumnShowsWholeAtTheOpeningSize) {
    storeReturns(30); // more rows than fit: the scroll bar takes its room
    const QFont normal = QApplication::font();
    std::vector<int> heights;
    for (const int points : {9, 13}) {
        QFont font = normal;
        font.setPointSize(points);
        QApplication::setFont(font);
        const auto dialog = openDialog();
        dialog->show();
        QApplication::processEvents();
        QTreeWidget* list = dialog->list();
        const int last = list->header()->count() - 1;
        EXPECT_LE(list->header()->sectionViewportPosition(last) + list->columnWidth(last),
                  list->viewport()->width())
            << points << " pt";
        for (const char* command : {"&View Return", "&Delete Return", "&Close"})
            EXPECT_TRUE(button(dialog.get(), QLatin1String(command))) << command;
        heights.push_back(dialog->height());
        database.close();
    }
    QApplication::setFont(normal);
    EXPECT_GT(heights[1], heights[0]) << "sized in units of its font";
}

TEST_F(ReturnHistoryDialogTest, EmptyHistoryAsksForASelectionOnEveryCommand) {
    database.open(historyFilePath(client.path));
    database.createSchema();
    database.close();
    const auto dialog = openDialog();
    dialog->show();
    EXPECT_EQ(dialog->list()->topLevelItemCount(), 0);
    button(dialog.get(), "&View Return")->click();
    button(dialog.get(), "&Delete Return")->click();
    QTest::mouseDClick(dialog->list()->viewport(), Qt::LeftButton, {}, QPoint(50, 80));
    EXPECT_EQ(boxes.texts(), (QStringList{kSelectReturn, kSelectReturn, kSelectReturn}));
}

// View shows the stored pages in the preview window of a history return (no transmittal
// letter), through a preview document that is gone when the window closes.
TEST_F(ReturnHistoryDialogTest, ViewUnpacksThePagesAndCleansUpAfterwards) {
    const BlankReturnPages returnPages;
    ASSERT_EQ(returnPages.pages().size(), 5u);
    for (int entry = 0; entry < 2; ++entry)
        ASSERT_TRUE(addReturnToHistory(client.path, returnPages.pages(), {}));
    auto dialog = openDialog();
    for (int row : {0, 1}) {
        dialog->list()->setCurrentItem(dialog->list()->topLevelItem(row));
        bool letterOffered = true;
        QString document;
        std::size_t shownPages = 0;
        whenModalOpens<ReturnPreviewWindow>([&](ReturnPreviewWindow* preview) {
            letterOffered = preview->letterButton()->isVisibleTo(preview);
            document = preview->context().documentPath;
            shownPages = preview->context().pages.size();
            EXPECT_TRUE(QFileInfo::exists(document)) << row;
            preview->accept();
        });
        dialog->viewReturn();
        EXPECT_EQ(QDir(pagesFolder()).entryList(QDir::Files).size(), 5) << row;
        EXPECT_EQ(shownPages, 5u) << row;
        EXPECT_FALSE(letterOffered) << row;
        EXPECT_TRUE(document.endsWith(".doc")) << document.toStdString();
        EXPECT_FALSE(QFileInfo::exists(document)) << row;
    }
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(temp.path() + "/Zephyr_Foods-3-5-2005.zip"));
    dialog.reset();
    EXPECT_FALSE(QFileInfo::exists(pagesFolder()));
}

TEST_F(ReturnHistoryDialogTest, ClientNameWithASlashMakesViewFail) {
    storeReturns(1);
    FixedText::set(client.record.businessName, QStringLiteral("A/B Foods"));
    const auto dialog = openDialog();
    dialog->list()->setCurrentItem(dialog->list()->topLevelItem(0));
    dialog->viewReturn();
    EXPECT_EQ(boxes.texts(), QStringList{kExtractFailed});
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(QFileInfo::exists(pagesFolder()));
}

TEST_F(ReturnHistoryDialogTest, UndecodableEntryMakesViewFail) {
    storeReturns(1);
    database.open(historyFilePath(client.path));
    database.execDML("update tblReturnHistory set ReturnData = x'00112233';");
    database.close();
    const auto dialog = openDialog();
    dialog->list()->setCurrentItem(dialog->list()->topLevelItem(0));
    dialog->viewReturn();
    EXPECT_EQ(boxes.texts(), QStringList{kExtractFailed});
}

TEST_F(ReturnHistoryDialogTest, DeleteAsksAndRemovesOnlyTheRowOnYes) {
    storeReturns(2);
    const auto dialog = openDialog();
    QTreeWidget* list = dialog->list();
    list->setCurrentItem(list->topLevelItem(1));
    boxes.answer = false;
    dialog->deleteReturn();
    EXPECT_EQ(list->topLevelItemCount(), 2);
    boxes.answer = true;
    dialog->deleteReturn();
    EXPECT_EQ(boxes.texts(), (QStringList{"Are you sure you want to delete this return?",
                                          "Are you sure you want to delete this return?"}));
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(boxes.shown[0].noIsDefault); // Enter on the question deletes nothing
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "1");
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(listHistoryReturns(database).size(), 1);
    list->setCurrentItem(list->topLevelItem(0));
    dialog->deleteReturn();
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(QFileInfo::exists(historyFilePath(client.path)));
}

// With nothing selected, Down selects the first return, also when it is the only one, so View
// and Delete work from the keyboard at once.
TEST_F(ReturnHistoryDialogTest, DownWithNothingSelectedSelectsTheFirstReturn) {
    storeReturns(1);
    const auto dialog = openDialog();
    QTreeWidget* list = dialog->list();
    list->setCurrentItem(list->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    ASSERT_TRUE(list->selectedItems().isEmpty());
    pressKey(list, Qt::Key_Down);
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().first(), list->topLevelItem(0));
}

TEST_F(ReturnHistoryDialogTest, OpeningSaysWhenThereIsNoHistoryOrItCannotBeOpened) {
    showReturnHistory(nullptr, client);
    TestFiles::writeAll(historyFilePath(client.path), "not a history file at all");
    showReturnHistory(nullptr, client);
    EXPECT_EQ(boxes.texts(),
              (QStringList{"Sorry there is no return history for this client.\nPlease start by "
                           "creating a new return for this client and try again.",
                           "An error occurred while opening the return history database."}));
}

// Hostile history files from the fuzz regressions: a return table that is a view never ending
// is refused when the history opens; an entry whose archive climbs out of its folder is
// refused when viewed, and nothing lands outside.
TEST_F(ReturnHistoryDialogTest, HostileHistoryFilesGetTheirMessagesAndWriteNothingOutside) {
    const QString regressions = TestPaths::source("tests/fuzz/regressions/history-file/");
    const QString history = historyFilePath(client.path);
    ASSERT_TRUE(QFile::copy(regressions + "view-endless.rhi", history));
    showReturnHistory(nullptr, client);
    EXPECT_EQ(boxes.texts(),
              QStringList{"An error occurred while opening the return history database."});

    boxes.shown.clear();
    QFile::remove(history);
    ASSERT_TRUE(QFile::copy(regressions + "archive-climbs-out.rhi", history));
    QFile::setPermissions(history, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const auto dialog = openDialog();
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 1);
    dialog->list()->setCurrentItem(dialog->list()->topLevelItem(0));
    dialog->viewReturn();
    EXPECT_EQ(boxes.texts(), QStringList{kExtractFailed});
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(temp.path()).path() + "/escaped.emf"));
    EXPECT_FALSE(QFileInfo::exists(temp.path() + "/escaped.emf"));
    EXPECT_TRUE(QDir(pagesFolder()).isEmpty());
}

} // namespace

namespace {

TEST_F(ReturnHistoryDialogTest, FinishOffersTheStoreOnlyForGeneratedPages) {
    const QString question = QStringLiteral(
        "Would you like to add this return to the \"Return History\" of this client?");
    offerReturnToHistory(nullptr, client.path, {}, {}, {});
    EXPECT_TRUE(boxes.shown.empty());
    boxes.answer = false;
    offerReturnToHistory(nullptr, client.path, HistoryTestFiles::makePages(2), {}, {});
    EXPECT_FALSE(QFileInfo::exists(historyFilePath(client.path)));
    boxes.answer = true;
    offerReturnToHistory(nullptr, client.path, HistoryTestFiles::makePages(2), {}, {});
    EXPECT_EQ(boxes.texts(), (QStringList{question, question}));
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Question);
    database.open(historyFilePath(client.path));
    EXPECT_EQ(listHistoryReturns(database).size(), 1);
}

TEST_F(ReturnHistoryDialogTest, OpeningAHistoryRunsTheDialogModally) {
    storeReturns(1);
    int rows = -1;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CReturnHistoryDialog*>(QApplication::activeModalWidget());
        if (dialog) {
            rows = dialog->list()->topLevelItemCount();
            dialog->close();
        }
    });
    showReturnHistory(nullptr, client);
    EXPECT_EQ(rows, 1);
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
