#include "ui/ColumnWidths.h"

#include <QHeaderView>
#include <QSet>
#include <QStyle>
#include <QTreeWidget>
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

namespace {
// The widest text of the column among the list's top-level items.
int widestText(const QTreeWidget* list, int column) {
    const QFontMetrics metrics(list->font());
    QSet<QString> measured;
    int widest = 0;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QString text = list->topLevelItem(row)->text(column);
        if (!measured.contains(text)) {
            measured.insert(text);
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
    }
    return widest;
}
} // namespace

void fitColumnsToTexts(QTreeWidget* list) {
    // The space the item view's style leaves left and right of a cell's text, and a pixel for
    // the text's width rounded down.
    const int margins =
        2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1) + 1;
    for (int column = 0; column < list->columnCount(); ++column)
        list->setColumnWidth(column, std::max(widestText(list, column) + margins,
                                              list->header()->sectionSizeHint(column)));
}
