#include "ui/BalloonTip.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace {
constexpr int kStemHeight = 12;
constexpr int kStemWidth = 14;
constexpr int kStemInset = 22;
constexpr int kCornerRadius = 7;
constexpr int kMargin = 10;
constexpr int kTextWidth = 300;
constexpr int kFadeInMs = 250;

QStyle::StandardPixmap standardPixmap(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Stop:
        return QStyle::SP_MessageBoxCritical;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}
} // namespace

BalloonTip::BalloonTip(const QString& title, const QString& text, MessageIcon icon, QWidget* anchor)
    : QWidget(anchor, Qt::ToolTip | Qt::FramelessWindowHint), anchor_(anchor) {
    setAttribute(Qt::WA_DeleteOnClose);
    anchor->installEventFilter(this);
    qApp->installEventFilter(this);
    setObjectName(QStringLiteral("balloonTip"));
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(6);
    auto* titleLabel = new QLabel(title, this);
    QFont titleFont = titleLabel->font();
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    int titleColumn = 0;
    if (icon != MessageIcon::None) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setPixmap(style()->standardIcon(standardPixmap(icon)).pixmap(16, 16));
        layout->addWidget(iconLabel, 0, 0);
        titleColumn = 1;
    }
    layout->addWidget(titleLabel, 0, titleColumn, 1, 2 - titleColumn);
    auto* textLabel = new QLabel(text, this);
    textLabel->setWordWrap(true);
    textLabel->setMaximumWidth(kTextWidth);
    layout->addWidget(textLabel, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);
}

BalloonTip* BalloonTip::showFor(QWidget* anchor, const QString& title, const QString& text,
                                MessageIcon icon, bool fadeIn, int closeAfterMs) {
    auto* tip = new BalloonTip(title, text, icon, anchor);
    tip->placeAt(anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height() - 2)));
    if (fadeIn) {
        tip->setWindowOpacity(0.0);
        auto* fade = new QPropertyAnimation(tip, "windowOpacity", tip);
        fade->setDuration(kFadeInMs);
        fade->setStartValue(0.0);
        fade->setEndValue(1.0);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    }
    tip->show();
    if (closeAfterMs > 0)
        QTimer::singleShot(closeAfterMs, tip, &QWidget::close);
    return tip;
}

// Below the target with the stem on top, or above it when the screen has no room below.
void BalloonTip::placeAt(const QPoint& globalTarget) {
    const QRect screen = (QWidget::screen() ? QWidget::screen()->availableGeometry()
                                            : QRect(0, 0, 1 << 16, 1 << 16));
    layout()->setContentsMargins(kMargin, kMargin + kStemHeight, kMargin, kMargin);
    adjustSize();
    stemOnTop_ = globalTarget.y() + height() <= screen.bottom();
    if (!stemOnTop_) {
        layout()->setContentsMargins(kMargin, kMargin, kMargin, kMargin + kStemHeight);
        adjustSize();
    }
    int left = globalTarget.x() - kStemInset;
    left = std::clamp(left, screen.left(), std::max(screen.left(), screen.right() - width()));
    stemX_ = std::clamp(globalTarget.x() - left, kCornerRadius + kStemWidth,
                        width() - kCornerRadius - kStemWidth);
    const int top = stemOnTop_ ? globalTarget.y() : globalTarget.y() - height();
    move(left, top);
}

QPainterPath BalloonTip::outline() const {
    const QRectF body =
        stemOnTop_ ? QRectF(0.5, kStemHeight + 0.5, width() - 1.0, height() - kStemHeight - 1.0)
                   : QRectF(0.5, 0.5, width() - 1.0, height() - kStemHeight - 1.0);
    QPainterPath path;
    path.addRoundedRect(body, kCornerRadius, kCornerRadius);
    QPainterPath stem;
    const qreal baseY = stemOnTop_ ? body.top() + 1 : body.bottom() - 1;
    const qreal tipY = stemOnTop_ ? 0.5 : height() - 0.5;
    stem.moveTo(stemX_, baseY);
    stem.lineTo(stemX_, tipY);
    stem.lineTo(stemX_ + kStemWidth, baseY);
    stem.closeSubpath();
    return path.united(stem);
}

void BalloonTip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
}

void BalloonTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::ToolTipText), 1));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPath(outline());
}

// A field is hidden with the step or window it stands on; a modal window that opens asks for
// the preparer's attention, and a tip always on top would cover it.
bool BalloonTip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == anchor_ && event->type() == QEvent::Hide)
        close();
    if (event->type() == QEvent::Show && opensModalWindow(watched))
        close();
    return QWidget::eventFilter(watched, event);
}

bool BalloonTip::opensModalWindow(QObject* watched) const {
    const auto* shown = qobject_cast<QWidget*>(watched);
    return shown && shown != this && shown->isWindow() && shown->isModal();
}

void BalloonTip::mousePressEvent(QMouseEvent*) {
    close();
}
