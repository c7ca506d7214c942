#include "ui/ColumnWidths.h"

#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

void setColumnWidthsFittingTitles(QTreeView* list, std::span<const int> widths) {
    for (int column = 0; column < int(widths.size()); ++column)
        list->setColumnWidth(
            column, std::max(widths[size_t(column)], list->header()->sectionSizeHint(column)));
}
