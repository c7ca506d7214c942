#pragma once

#include <QLayout>
#include <QList>

// Lays its items out left to right in their preferred sizes and starts a new row where the next
// one would not fit, so a row of commands wraps on a narrow screen or at a large font instead
// of widening its window past the screen. Its smallest width is that of its widest item.
class FlowLayout : public QLayout {
public:
    FlowLayout(QWidget* parent, int horizontalSpacing, int verticalSpacing);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in `rect` (or only measures them) and gives the height they take.
    int arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
    int horizontalSpacing_;
    int verticalSpacing_;
};
