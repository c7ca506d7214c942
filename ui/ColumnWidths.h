#pragma once

#include <span>

class QTreeView;

// Gives each column of the list its width in pixels, widened where the column's title needs
// more room with the font in use, so no title is cut.
void setColumnWidthsFittingTitles(QTreeView* list, std::span<const int> widths);

// The width the list needs to show all of its columns whole: their widths, its frame and room
// for a vertical scroll bar.
int widthShowingEveryColumn(const QTreeView* list);
