#pragma once

#include <span>

class QTreeView;
class QTreeWidget;

// Gives each column of the list its width in pixels, widened where the column's title needs
// more room with the font in use, so no title is cut.
void setColumnWidthsFittingTitles(QTreeView* list, std::span<const int> widths);

// The width the list needs to show all of its columns whole: their widths, its frame and room
// for a vertical scroll bar.
int widthShowingEveryColumn(const QTreeView* list);

// Sizes each column of the list to its widest one-line text, or its title where that is wider,
// as QHeaderView::ResizeToContents does for plain texts, but measuring each distinct text once
// with the list's font instead of laying out every cell.
void fitColumnsToTexts(QTreeWidget* list);
