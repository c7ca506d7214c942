#include "app/SplashPicture.h"

#include "platform/Version.h"
#include "ui/Icons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {
constexpr QSize kPictureSize(480, 270);

QFont sizedFont(int pixelSize, QFont::Weight weight) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}
} // namespace

SplashPicture::SplashPicture(QWidget* over)
    : QWidget(over, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      over_(over) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("splashPicture"));
    setFixedSize(kPictureSize);
}

void SplashPicture::showCentred() {
    const QRect area =
        over_ && over_->isVisible() ? over_->frameGeometry() : screen()->availableGeometry();
    move(area.center() - rect().center());
    qApp->installEventFilter(this);
    show();
    raise();
    QTimer::singleShot(kShowMs, this, &QWidget::close);
}

bool SplashPicture::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claiming the key keeps menu shortcuts from acting on it; the key press follows.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
        close();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void SplashPicture::closeEvent(QCloseEvent* event) {
    qApp->removeEventFilter(this);
    QWidget::closeEvent(event);
    emit closed();
}

void SplashPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, width(), height());
    background.setColorAt(0, QColor(0x2b, 0x6c, 0xb8));
    background.setColorAt(1, QColor(0x15, 0x3d, 0x70));
    painter.fillRect(rect(), background);
    painter.setPen(QColor(255, 255, 255, 40));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.drawPixmap(36, 64, Icons::program().pixmap(112, 112));
    painter.setPen(Qt::white);
    painter.setFont(sizedFont(44, QFont::Bold));
    painter.drawText(QRect(172, 70, 290, 56), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Vantrobe"));
    painter.setFont(sizedFont(15, QFont::Normal));
    painter.drawText(QRect(174, 128, 290, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Illinois sales and use tax returns"));
    painter.setPen(QColor(0xc8, 0xdc, 0xf2));
    painter.setFont(sizedFont(13, QFont::Normal));
    painter.drawText(QRect(174, 152, 290, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Version %1").arg(QLatin1String(kVersionText)));
    painter.setFont(sizedFont(11, QFont::Normal));
    painter.drawText(QRect(0, height() - 34, width() - 18, 20), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Copyright \u00a9 Orlenfield"));
}
