#include "app/ReturnsBoard.h"

#include "app/ClientsView.h"
#include "history/HistoryFilePath.h"
#include "history/ReturnHistory.h"
#include "platform/Clock.h"
#include "returns/ReturnRecord.h"
#include "support/HistoryTestFiles.h"
#include "taxtables/TaxTable.h"
#include "ui/FlatHeaderView.h"
#include "ui/app/ClientFolder.h"
#include "ui/ui/RecordingMessageBoxes.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "wizards/return/ReturnWizard.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {
constexpr int M = kMonthlyPeriod;
constexpr int Q = kQuarterlyPeriod;
constexpr int A = kAnnualPeriod;

// A small client folder on Tuesday April 8, 2025: three clients with stored returns of each
// frequency, one stored twice, and one client without any.
class ReturnsBoardTest : public ::testing::Test {
protected:
    ReturnsBoardTest() {
        Clock::setFixedDate(QDate(2025, 4, 8));
        const QString folder = temp.path() + QStringLiteral("/Clients/");
        QDir().mkpath(folder);
        storeReturn(ClientFolder::write(folder, {"Vtb00001.kvr", "Bakery"}), {M, 2025, 2});
        storeReturn(ClientFolder::write(folder, {"Vtb00002.kvr", "Corner Store"}), {Q, 2024, 4});
        storeReturn(ClientFolder::write(folder, {"Vtb00003.kvr", "Annual Co"}), {A, 2024, 0});
        const QString deli = ClientFolder::write(folder, {"Vtb00004.kvr", "Deli"});
        storeReturn(deli, {M, 2024, 12});
        storeReturn(deli, {M, 2025, 1});
        ClientFolder::write(folder, {"Vtb00005.kvr", "Zephyr"});
        view.loadClients(folder);
        std::vector<BoardClient> clients;
        for (int row = 0; row < view.clients().size(); ++row)
            clients.push_back({view.clients().nameAt(row), view.clients().at(row).path});
        QObject::connect(&board, &ReturnsBoard::newReturnRequested, &view,
                         &CClientsView::newReturnFor);
        board.setClients(std::move(clients));
        board.resize(1000, 400);
        board.show();
    }
    ~ReturnsBoardTest() override { Clock::release(); }

    // A return stored for `period` as the wizard's Finish stores it, prepared ten days after
    // the period ended, with total receipts of 12,345.67.
    static void storeReturn(const QString& clientPath, const FilingPeriod& period) {
        const QDate preparedOn = lastDayOf(period).addDays(10);
        auto record = std::make_unique<ReturnRecord>();
        record->period = *periodChoiceFor(period, 1, preparedOn);
        record->st1.totalReceipts = 12345.67;
        record->summary.summaryTotalReceipts = 12346;
        record->summary.summaryPaymentDue = 812;
        ASSERT_TRUE(addReturnToHistory(clientPath, HistoryTestFiles::makePages(1), record->summary,
                                       singleSiteInputs(*record, preparedOn, {})));
    }
    QStringList column(int index) const {
        QStringList texts;
        for (int row = 0; row < board.list()->topLevelItemCount(); ++row)
            texts << board.list()->topLevelItem(row)->text(index);
        return texts;
    }
    QStringList rowTexts(int row) const {
        QStringList texts;
        for (int index = 0; index < board.list()->columnCount(); ++index)
            texts << board.list()->topLevelItem(row)->text(index);
        return texts;
    }

    ScopedTempFolder temp;
    TaxTable table;
    CClientsView view{table};
    ReturnsBoard board;
    RecordingMessageBoxes boxes;
};

TEST_F(ReturnsBoardTest, ListsEveryClientSortedByDueDateWithItsState) {
    EXPECT_EQ(column(0), (QStringList{"Deli", "Bakery", "Corner Store", "Annual Co", "Zephyr"}));
    EXPECT_EQ(rowTexts(0), (QStringList{"Deli", "Monthly", "Jan 2025", "Feb 2025",
                                        "Thu Mar 20, 2025", "19 days late", "812", "Late"}));
    EXPECT_EQ(rowTexts(1), (QStringList{"Bakery", "Monthly", "Feb 2025", "Mar 2025",
                                        "Mon Apr 21, 2025", "13 days left", "812", "Due"}));
    EXPECT_EQ(rowTexts(2), (QStringList{"Corner Store", "Quarterly", "Q4 2024", "Q1 2025",
                                        "Mon Apr 21, 2025", "13 days left", "812", "Due"}));
    EXPECT_EQ(rowTexts(3), (QStringList{"Annual Co", "Annual", "2024", "2025", "Tue Jan 20, 2026",
                                        "287 days left", "812", "Stored"}));
    EXPECT_EQ(rowTexts(4),
              (QStringList{"Zephyr", "No return stored yet", "", "", "", "", "", "Not started"}));
    // The state is a word and a colour: no two states share one.
    QSet<QRgb> colours;
    for (int row = 0; row < 5; ++row)
        colours << board.list()->topLevelItem(row)->background(7).color().rgb();
    EXPECT_EQ(colours.size(), 4);
    EXPECT_EQ(board.findChild<QStatusBar*>("boardStatus")->currentMessage(),
              "2 returns due this month, 1 late.");
}

TEST_F(ReturnsBoardTest, FiltersTheDueAndTheLate) {
    board.setFilter(ReturnsBoard::Filter::DueThisMonth);
    EXPECT_EQ(column(0), (QStringList{"Bakery", "Corner Store"}));
    board.findChild<QComboBox*>("boardFilter")->setCurrentIndex(2);
    EXPECT_EQ(column(0), (QStringList{"Deli"}));
    board.setFilter(ReturnsBoard::Filter::All);
    EXPECT_EQ(column(0).size(), 5);
}

// A board with no row says why across the middle of its list, as the client list does.
TEST_F(ReturnsBoardTest, AnEmptyBoardSaysWhyInsideItsList) {
    auto* hint = board.findChild<QLabel*>(QStringLiteral("boardEmptyHint"));
    ASSERT_TRUE(hint);
    EXPECT_FALSE(hint->isVisible());
    EXPECT_EQ(hint->parentWidget(), board.list()->viewport());
    board.setClients(
        {{QStringLiteral("Solo"), temp.path() + QStringLiteral("/Clients/Vtb00005.kvr")}});
    board.setFilter(ReturnsBoard::Filter::Late);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), QStringLiteral("No client matches this filter."));
    board.list()->resize(600, 300);
    EXPECT_EQ(hint->geometry(), board.list()->viewport()->rect());
    board.setClients({});
    EXPECT_EQ(hint->text(), QStringLiteral("No clients yet: set up a client on the Clients tab."));
    EXPECT_TRUE(hint->isVisible());
}

// The columns are measured once per filling: a filter that shows no row still shows every
// column's title whole.
TEST_F(ReturnsBoardTest, EveryColumnTitleStaysWhole) {
    const auto expectWholeTitles = [this](const char* shown) {
        QHeaderView* header = board.list()->header();
        for (int column = 0; column < header->count(); ++column) {
            const QString title = board.list()->headerItem()->text(column);
            EXPECT_GE(header->sectionSize(column), header->fontMetrics().horizontalAdvance(title) +
                                                       2 * FlatHeaderView::kTextMargin)
                << shown << ": " << title.toStdString();
        }
    };
    expectWholeTitles("every client");
    storeReturn(board.rows()[0].path, {M, 2025, 2}); // Deli is late no more
    board.refreshClient(board.rows()[0].path);
    board.setFilter(ReturnsBoard::Filter::Late);
    ASSERT_EQ(board.list()->topLevelItemCount(), 0);
    expectWholeTitles("no client");
}

// The columns are as wide as the widest text the item view lays out in them, titles aside.
TEST_F(ReturnsBoardTest, EveryCellTextStaysWhole) {
    QTreeWidget* list = board.list();
    const QAbstractItemView* view = list;
    for (int column = 0; column < list->columnCount(); ++column)
        EXPECT_GE(list->columnWidth(column), view->sizeHintForColumn(column))
            << list->headerItem()->text(column).toStdString();
}

TEST_F(ReturnsBoardTest, EnterStartsNewReturnWithTheNextPeriodAndTheLastFigures) {
    board.list()->setCurrentItem(board.list()->topLevelItem(1)); // Bakery, due for March
    QString chosenMonth;
    bool monthly = false;
    QString hint;
    whenModalOpens<ReturnWizard>([&](ReturnWizard* wizard) {
        wizard->next();
        monthly = wizard->findChild<QRadioButton*>("monthly")->isChecked();
        chosenMonth = wizard->findChild<QComboBox*>("months")->currentText();
        wizard->next();
        if (auto* label = wizard->findChild<QLabel*>("totalReceiptsLastFigure"))
            hint = label->text();
        wizard->done(CWizardDialog::kCancelled);
    });
    pressKey(board.list(), Qt::Key_Return);
    EXPECT_TRUE(monthly);
    EXPECT_EQ(chosenMonth, "Mar,2025");
    EXPECT_EQ(hint, "last: 12,345.67");
    EXPECT_EQ(view.selectedClient()->path, board.rows()[1].path);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ReturnsBoardTest, AStoredReturnMovesItsClientOn) {
    storeReturn(board.rows()[1].path, {M, 2025, 3}); // Bakery's March
    board.refreshClient(board.rows()[1].path);
    EXPECT_EQ(column(0), (QStringList{"Deli", "Corner Store", "Bakery", "Annual Co", "Zephyr"}));
    EXPECT_EQ(rowTexts(2)[3], "Apr 2025");
    EXPECT_EQ(rowTexts(2)[7], "Stored");
    EXPECT_EQ(board.statusText(), "1 return due this month, 1 late.");
}

// What a board read lasts to the next run: a new board shows the same rows while every history
// is held by a store in progress, which a board that had to read them would report.
TEST_F(ReturnsBoardTest, ANewBoardStartsFromWhatTheLastOneRead) {
    std::vector<BoardClient> clients;
    std::vector<std::unique_ptr<LockedHistory>> locks;
    for (const BoardRow& row : board.rows()) {
        clients.push_back({row.name, row.path});
        if (QFile::exists(historyFilePath(row.path)))
            locks.push_back(std::make_unique<LockedHistory>(historyFilePath(row.path)));
    }
    ASSERT_EQ(locks.size(), 4u);
    ReturnsBoard nextRun;
    nextRun.setClients(std::move(clients));
    nextRun.show();
    ASSERT_EQ(nextRun.rows().size(), board.rows().size());
    for (size_t row = 0; row < board.rows().size(); ++row) {
        EXPECT_EQ(nextRun.rows()[row].name, board.rows()[row].name);
        EXPECT_EQ(nextRun.rows()[row].lastPeriod, board.rows()[row].lastPeriod);
        EXPECT_EQ(nextRun.rows()[row].problem, "") << nextRun.rows()[row].name.toStdString();
    }
}

TEST_F(ReturnsBoardTest, ItReadsTheHistoriesOnceWhenShownNotWhenItRepaints) {
    const QString bakery = board.rows()[1].path;
    storeReturn(bakery, {M, 2025, 3});
    board.repaint();
    board.hide();
    board.show();
    EXPECT_EQ(column(0)[1], "Bakery") << "shown again on the same day: nothing is read";
    Clock::setFixedDate(QDate(2025, 4, 9));
    board.hide();
    board.show();
    EXPECT_EQ(column(0)[2], "Bakery") << "a new day reads again";
}
} // namespace
