#pragma once

#include <QHeaderView>

// A list header drawn flat (a plain band with thin dividers instead of raised sections) whose
// columns can be dragged to a new place.
class FlatHeaderView : public QHeaderView {
    Q_OBJECT
public:
    // The space left of and right of each section's title.
    static constexpr int kTextMargin = 6;

    explicit FlatHeaderView(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
};
