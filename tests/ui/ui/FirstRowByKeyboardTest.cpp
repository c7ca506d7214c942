#include "ui/FirstRowByKeyboard.h"

#include "ui/ui/wizard/UiTestHelpers.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
// A list of `rows` rows whose focus frame stands on the first row with nothing selected, as a
// list stands when it gets the keyboard.
void fill(QTreeWidget& list, int rows) {
    for (int row = 0; row < rows; ++row)
        new QTreeWidgetItem(&list, {QStringLiteral("Row %1").arg(row)});
    list.setCurrentItem(list.topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
}

int selectedRow(const QTreeWidget& list) {
    const QList<QTreeWidgetItem*> selected = list.selectedItems();
    return selected.size() == 1 ? list.indexOfTopLevelItem(selected.first()) : -1;
}

TEST(FirstRowByKeyboard, TheFirstMovingKeyWithNothingSelectedSelectsTheFirstRow) {
    const struct {
        int rows;
        int key;
    } cases[] = {{3, Qt::Key_Down},  {1, Qt::Key_Down},     {3, Qt::Key_End},
                 {3, Qt::Key_Space}, {1, Qt::Key_PageDown}, {3, Qt::Key_Up}};
    for (const auto& [rows, key] : cases) {
        QTreeWidget list;
        selectFirstRowByKeyboard(&list);
        fill(list, rows);
        pressKey(&list, key);
        EXPECT_EQ(selectedRow(list), 0) << rows << " rows, key " << key;
    }
}

// Once a row is selected the keys move as in any list.
TEST(FirstRowByKeyboard, WithARowSelectedTheKeysMoveAsUsual) {
    QTreeWidget list;
    selectFirstRowByKeyboard(&list);
    fill(list, 3);
    pressKey(&list, Qt::Key_Down);
    pressKey(&list, Qt::Key_Down);
    EXPECT_EQ(selectedRow(list), 1);
    pressKey(&list, Qt::Key_End);
    EXPECT_EQ(selectedRow(list), 2);
}

TEST(FirstRowByKeyboard, AnEmptyListStaysEmptyAndOtherKeysPass) {
    QTreeWidget list;
    selectFirstRowByKeyboard(&list);
    pressKey(&list, Qt::Key_Down);
    EXPECT_TRUE(list.selectedItems().isEmpty());
    fill(list, 2);
    pressKey(&list, Qt::Key_A, QStringLiteral("a"));
    EXPECT_TRUE(list.selectedItems().isEmpty());
}
} // namespace
