#include "ui/ColumnWidths.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeView>
#include <algorithm>

void setColumnWidthsFittingTitles(QTreeView* list, std::span<const int> widths) {
    for (int column = 0; column < int(widths.size()); ++column)
        list->setColumnWidth(
            column, std::max(widths[size_t(column)], list->header()->sectionSizeHint(column)));
}

int widthShowingEveryColumn(const QTreeView* list) {
    int width = 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int column = 0; column < list->header()->count(); ++column)
        width += list->columnWidth(column);
    return width;
}
