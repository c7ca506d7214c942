#include "ui/wizard/WizardPicture.h"

#include "ui/Icons.h"

#include <QLinearGradient>
#include <QPainter>

WizardPicture::WizardPicture(QWidget* parent) : QWidget(parent) {
    setFixedWidth(sizeHint().width());
}

void WizardPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient band(0, 0, 0, height());
    band.setColorAt(0.0, QColor(0x1f, 0x3a, 0x68));
    band.setColorAt(1.0, QColor(0x4a, 0x7c, 0xc0));
    painter.fillRect(rect(), band);

    const int iconSize = 64;
    const QRect iconArea((width() - iconSize) / 2, 28, iconSize, iconSize);
    Icons::program().paint(&painter, iconArea);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, iconArea.bottom() + 10, width(), 24), Qt::AlignCenter,
                     QStringLiteral("Vantrobe"));
}
