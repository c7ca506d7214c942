#include "ui/SelectionColors.h"

#include <QAbstractItemView>

void keepSelectionVisible(QAbstractItemView* view) {
    QPalette colors = view->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colors.setColor(QPalette::Inactive, role, colors.color(QPalette::Active, role));
    view->setPalette(colors);
}
