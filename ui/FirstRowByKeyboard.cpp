#include "ui/FirstRowByKeyboard.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>

namespace {
bool movesThroughList(int key) {
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

class FirstRowSelector final : public QObject {
public:
    explicit FirstRowSelector(QAbstractItemView* view) : QObject(view), view_(view) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != view_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* press = static_cast<const QKeyEvent*>(event);
        if (press->modifiers() & ~Qt::KeypadModifier || !movesThroughList(press->key()))
            return false;
        QItemSelectionModel* selection = view_->selectionModel();
        const QModelIndex first =
            view_->model() ? view_->model()->index(0, 0, view_->rootIndex()) : QModelIndex();
        if (!selection || selection->hasSelection() || !first.isValid())
            return false;
        selection->setCurrentIndex(first,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view_->scrollTo(first);
        return true;
    }

private:
    QAbstractItemView* view_;
};
} // namespace

void selectFirstRowByKeyboard(QAbstractItemView* view) {
    view->installEventFilter(new FirstRowSelector(view));
}
