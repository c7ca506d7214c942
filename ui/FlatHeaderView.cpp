#include "ui/FlatHeaderView.h"

#include <QPainter>
#include <algorithm>

FlatHeaderView::FlatHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsMovable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void FlatHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QPalette& colors = palette();
    painter->save();
    painter->fillRect(rect, colors.color(QPalette::Base));
    painter->setPen(colors.color(QPalette::Mid));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight() + QPoint(0, 4), rect.bottomRight() - QPoint(0, 4));
    const QString title = model()->headerData(logicalIndex, orientation()).toString();
    painter->setPen(colors.color(QPalette::WindowText));
    const QRect textRect = rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    painter->drawText(textRect, int(defaultAlignment()),
                      fontMetrics().elidedText(title, Qt::ElideRight, textRect.width()));
    painter->restore();
}

QSize FlatHeaderView::sectionSizeFromContents(int logicalIndex) const {
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    size.setHeight(fontMetrics().height() + 10);
    // A section sized to its contents shows its whole title between the margins it is drawn
    // with.
    const QString title = model()->headerData(logicalIndex, orientation()).toString();
    size.setWidth(std::max(size.width(), fontMetrics().horizontalAdvance(title) + 2 * kTextMargin));
    return size;
}
