#include "ui/WrappingCheckBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent)
    : QWidget(parent), box_(new QCheckBox(this)), label_(new QLabel(text, this)) {
    label_->setWordWrap(true);
    label_->setBuddy(box_);
    label_->installEventFilter(this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(box_, 0, Qt::AlignTop);
    row->addWidget(label_, 1);
}

bool WrappingCheckBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && box_->isEnabled()) {
        box_->setFocus(Qt::MouseFocusReason);
        box_->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
