#include "ui/ViewportHint.h"

#include <QAbstractScrollArea>
#include <QEvent>

namespace {
// Room kept between the hint and the sides of the list, in pixels.
constexpr int kSideMargin = 5;
} // namespace

ViewportHint::ViewportHint(QAbstractScrollArea* view, const QString& text)
    : QLabel(text, view->viewport()) {
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setContentsMargins(kSideMargin, 0, kSideMargin, 0);
    parentWidget()->installEventFilter(this);
    fitViewport();
}

bool ViewportHint::eventFilter(QObject* watched, QEvent* event) {
    // A viewport resized before its list was first shown may get no resize event of its own.
    const bool resized = event->type() == QEvent::Resize || event->type() == QEvent::Show;
    if (watched == parentWidget() && resized)
        fitViewport();
    return QLabel::eventFilter(watched, event);
}

void ViewportHint::showEvent(QShowEvent* event) {
    fitViewport();
    QLabel::showEvent(event);
}

void ViewportHint::fitViewport() {
    setGeometry(parentWidget()->rect());
}
