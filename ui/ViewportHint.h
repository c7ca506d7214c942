#pragma once

#include <QLabel>

class QAbstractScrollArea;

// A line of advice across the middle of an empty list: a centred, word-wrapped label on the
// list's viewport that follows the viewport's size, so it reads as the list's own content
// rather than a line below it. Its owner sets the text and says when it shows.
class ViewportHint : public QLabel {
public:
    ViewportHint(QAbstractScrollArea* view, const QString& text = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitViewport();
};
