#include "ui/FlowLayout.h"

#include <QWidget>
#include <algorithm>

FlowLayout::FlowLayout(QWidget* parent, int horizontalSpacing, int verticalSpacing)
    : QLayout(parent), horizontalSpacing_(horizontalSpacing), verticalSpacing_(verticalSpacing) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const {
    QSize widest(0, 0);
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty())
            widest = widest.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return widest.grownBy(margins);
}

// Every item in one row.
QSize FlowLayout::sizeHint() const {
    QSize row(0, 0);
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        const QSize size = item->sizeHint();
        row.rwidth() += (row.width() > 0 ? horizontalSpacing_ : 0) + size.width();
        row.setHeight(std::max(row.height(), size.height()));
    }
    return row.grownBy(contentsMargins());
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool place) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    int left = area.left();
    int top = area.top();
    int rowHeight = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        const QSize size = item->sizeHint().boundedTo(QSize(area.width(), QWIDGETSIZE_MAX));
        if (left > area.left() && left + size.width() > area.left() + area.width()) {
            left = area.left();
            top += rowHeight + verticalSpacing_;
            rowHeight = 0;
        }
        if (place)
            item->setGeometry(QRect(QPoint(left, top), size));
        left += size.width() + horizontalSpacing_;
        rowHeight = std::max(rowHeight, size.height());
    }
    return top + rowHeight - rect.top() + contentsMargins().bottom();
}
