#include "taxtables/TaxTablesDialog.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "taxtables/TaxTable.h"
#include "taxtables/TaxTableModel.h"
#include "ui/ui/wizard/UiTestHelpers.h"

#include <QClipboard>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString cell(const QAbstractItemModel* model, int row, int column) {
    return model->index(row, column).data().toString();
}

class TaxTablesDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(table.load(TestPaths::source("resources/Data.tbl"))); }
    ScriptedMessages messages;
    TaxTable table;
};

TEST_F(TaxTablesDialogTest, ListsEveryLocationInTableOrderWithCurrentRates) {
    TaxTableModel model(table);
    ASSERT_EQ(model.rowCount(), table.count());
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "Gen. Merch.");
    EXPECT_EQ(cell(&model, 0, TaxTableModel::LocationCode), "001-0001-6");
    EXPECT_EQ(cell(&model, 0, TaxTableModel::LocationName), "QUINCY");
    EXPECT_EQ(cell(&model, 0, TaxTableModel::CountyName), "ADAMS");
    EXPECT_EQ(cell(&model, 0, TaxTableModel::GeneralRate), "6.500%");
    EXPECT_EQ(cell(&model, 0, TaxTableModel::FoodRate), "1.250%");
    EXPECT_EQ(cell(&model, model.rowCount() - 1, TaxTableModel::LocationCode), "102-5000-7");
    EXPECT_EQ(TaxTableModel::lastUpdatedText(table), "These tables were last updated :07-2026");
}

TEST_F(TaxTablesDialogTest, AnEmptyTableShowsNoRowsAndTheTrailerDate) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Data.tbl");
    TestFiles::writeAll(path, QByteArray(60, ' ') + "20050701\n");
    TaxTable empty;
    ASSERT_TRUE(empty.load(path));
    TaxTablesDialog dialog(empty);
    EXPECT_EQ(dialog.view()->model()->rowCount(), 0);
    EXPECT_EQ(dialog.dateEdit()->text(), "These tables were last updated :07-2005");
    dialog.copyButton()->click();
    EXPECT_EQ(messages.shown, QStringList({"Please select a location from the list."}));
}

TEST_F(TaxTablesDialogTest, CopiesTheSelectedLocationCodeWithItsDashes) {
    TaxTablesDialog dialog(table);
    dialog.show();
    QApplication::clipboard()->setText("before");
    dialog.copyButton()->click();
    EXPECT_EQ(messages.shown, QStringList({"Please select a location from the list."}));
    EXPECT_EQ(QApplication::clipboard()->text(), "before");

    typeInto(dialog.searchEdit(), "naperville");
    ASSERT_EQ(dialog.view()->model()->rowCount(), 1);
    dialog.view()->selectRow(0);
    dialog.copyButton()->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "022-0068-6");
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(dialog.statusLine()->text(), "Location code 022-0068-6 copied to the clipboard.");
}

TEST_F(TaxTablesDialogTest, CodesAreFoundWithoutTheirDashesOrWithSpaces) {
    TaxTablesDialog dialog(table);
    for (const char* search : {"0220068", "022 0068", "022-0068", " 022-00 68 "}) {
        typeInto(dialog.searchEdit(), search);
        ASSERT_EQ(dialog.view()->model()->rowCount(), 1) << search;
        EXPECT_EQ(cell(dialog.view()->model(), 0, TaxTableModel::LocationCode), "022-0068-6");
    }
}

TEST_F(TaxTablesDialogTest, EnterInTheSearchGoesToTheFirstRowFoundAndKeepsTheDialogOpen) {
    TaxTablesDialog dialog(table);
    dialog.show();
    typeInto(dialog.searchEdit(), "naperville");
    pressKey(dialog.searchEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    const QModelIndexList selected = dialog.view()->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front().row(), 0);
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->text().toStdString();
}

TEST_F(TaxTablesDialogTest, TheSearchMatchesCountiesAndCodesToo) {
    TaxTablesDialog dialog(table);
    typeInto(dialog.searchEdit(), "du page");
    const int duPage = dialog.view()->model()->rowCount();
    EXPECT_GT(duPage, 1);
    for (int row = 0; row < duPage; ++row)
        EXPECT_EQ(cell(dialog.view()->model(), row, TaxTableModel::CountyName).trimmed(),
                  "DU PAGE");
    typeInto(dialog.searchEdit(), "016-0001");
    EXPECT_EQ(dialog.view()->model()->rowCount(), 1);
    typeInto(dialog.searchEdit(), "");
    EXPECT_EQ(dialog.view()->model()->rowCount(), table.count());
}
} // namespace
