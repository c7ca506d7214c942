#include "ui/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {
using Drawing = std::function<void(QPainter&)>;

const QColor kBlue(0x2f, 0x6d, 0xb5);
const QColor kGreen(0x2e, 0x9e, 0x4f);
const QColor kRed(0xd0, 0x3b, 0x32);
const QColor kOrange(0xe8, 0x8a, 0x1a);
const QColor kOutline(0x55, 0x5f, 0x6b);
const QColor kPaper(0xfb, 0xfc, 0xfd);

// Renders the drawing at the usual icon sizes; the drawing works on a 32 x 32 grid.
QIcon paintedIcon(const Drawing& draw) {
    QIcon icon;
    for (const int size : {16, 20, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void drawPerson(QPainter& p, const QColor& color) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QRectF(8, 3, 11, 11));
    QPainterPath body;
    body.moveTo(2.5, 29);
    body.cubicTo(2.5, 19, 8, 16, 13.5, 16);
    body.cubicTo(19, 16, 24.5, 19, 24.5, 29);
    body.closeSubpath();
    p.drawPath(body);
}

// A round badge in the lower right corner with a white symbol drawn by `symbol`.
void drawBadge(QPainter& p, const QColor& color, const Drawing& symbol) {
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(color);
    p.drawEllipse(QRectF(17.5, 17.5, 13.5, 13.5));
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    symbol(p);
}

void plusSymbol(QPainter& p) {
    p.drawLine(QPointF(24.25, 20.5), QPointF(24.25, 28));
    p.drawLine(QPointF(20.5, 24.25), QPointF(28, 24.25));
}

void crossSymbol(QPainter& p) {
    p.drawLine(QPointF(21.5, 21.5), QPointF(27, 27));
    p.drawLine(QPointF(27, 21.5), QPointF(21.5, 27));
}

void pencilSymbol(QPainter& p) {
    p.drawLine(QPointF(21, 27.5), QPointF(27.5, 21));
    p.setPen(QPen(Qt::white, 1.2));
    p.drawLine(QPointF(20.5, 28), QPointF(21.5, 27));
}

void clockSymbol(QPainter& p) {
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24.25, 24.25), QPointF(24.25, 20.5));
    p.drawLine(QPointF(24.25, 24.25), QPointF(27, 25.5));
}

void drawPage(QPainter& p, const QRectF& page) {
    const qreal fold = 6;
    QPainterPath outline;
    outline.moveTo(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kPaper);
    p.drawPath(outline);
    p.drawLine(QPointF(page.right() - fold, page.top()),
               QPointF(page.right() - fold, page.top() + fold));
    p.drawLine(QPointF(page.right() - fold, page.top() + fold),
               QPointF(page.right(), page.top() + fold));
    p.setPen(QPen(QColor(0x9a, 0xa5, 0xb1), 1.4));
    for (qreal y = page.top() + 10; y < page.bottom() - 3; y += 4)
        p.drawLine(QPointF(page.left() + 3.5, y), QPointF(page.right() - 3.5, y));
}

void drawArchiveBox(QPainter& p) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0xc9, 0xa2, 0x6b));
    p.drawRoundedRect(QRectF(4, 16, 24, 13), 2, 2);
    p.setBrush(QColor(0xdd, 0xbb, 0x86));
    p.drawRoundedRect(QRectF(2.5, 12, 27, 5), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(12, 20, 8, 3), 1, 1);
}

// A thick arrow along x = 16 from `fromY` to `toY`.
void drawArrow(QPainter& p, qreal fromY, qreal toY, const QColor& color) {
    const qreal direction = toY > fromY ? 1 : -1;
    QPainterPath arrow;
    arrow.moveTo(13.5, fromY);
    arrow.lineTo(18.5, fromY);
    arrow.lineTo(18.5, toY - direction * 5);
    arrow.lineTo(22.5, toY - direction * 5);
    arrow.lineTo(16, toY);
    arrow.lineTo(9.5, toY - direction * 5);
    arrow.lineTo(13.5, toY - direction * 5);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(color);
    p.drawPath(arrow);
}
// A client with a badge that says what is done to it.
QIcon clientIcon(const QColor& badgeColor, void (*symbol)(QPainter&)) {
    return paintedIcon([=](QPainter& p) {
        drawPerson(p, kBlue);
        drawBadge(p, badgeColor, symbol);
    });
}
} // namespace

QIcon Icons::program() {
    return paintedIcon([](QPainter& p) {
        QLinearGradient background(0, 0, 0, 32);
        background.setColorAt(0, QColor(0x3a, 0x8d, 0xd8));
        background.setColorAt(1, QColor(0x1f, 0x52, 0x94));
        p.setPen(Qt::NoPen);
        p.setBrush(background);
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
        drawPage(p, QRectF(7, 4.5, 18, 23));
        p.setPen(QPen(kGreen, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(10.5, 18), QPointF(14.5, 22.5), QPointF(23, 11)}));
    });
}

QIcon Icons::newClient() {
    return clientIcon(kGreen, plusSymbol);
}

QIcon Icons::modifyClient() {
    return clientIcon(kOrange, pencilSymbol);
}

QIcon Icons::deleteClient() {
    return clientIcon(kRed, crossSymbol);
}

QIcon Icons::newReturn() {
    return paintedIcon([](QPainter& p) {
        drawPage(p, QRectF(4, 2, 20, 27));
        drawBadge(p, kGreen, plusSymbol);
    });
}

QIcon Icons::returnHistory() {
    return paintedIcon([](QPainter& p) {
        drawPage(p, QRectF(9, 1.5, 18, 23));
        drawPage(p, QRectF(4, 5, 18, 24));
        drawBadge(p, kBlue, clockSymbol);
    });
}

QIcon Icons::backup() {
    return paintedIcon([](QPainter& p) {
        drawArchiveBox(p);
        drawArrow(p, 1.5, 19, kGreen);
    });
}

QIcon Icons::restore() {
    return paintedIcon([](QPainter& p) {
        drawArchiveBox(p);
        drawArrow(p, 19, 1.5, kBlue);
    });
}

QIcon Icons::calendar() {
    return paintedIcon([](QPainter& p) {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(3, 5, 26, 24), 2.5, 2.5);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(3.6, 5.6, 24.8, 7), 2, 2);
        p.setBrush(kOutline);
        p.drawRoundedRect(QRectF(9, 2, 2.5, 6), 1, 1);
        p.drawRoundedRect(QRectF(20.5, 2, 2.5, 6), 1, 1);
        p.setBrush(QColor(0x7d, 0x89, 0x96));
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 4; ++column)
                p.drawRect(QRectF(6.5 + column * 5.2, 15 + row * 4.5, 3, 2.6));
        }
    });
}

QIcon Icons::calculator() {
    return paintedIcon([](QPainter& p) {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(QColor(0x4a, 0x55, 0x63));
        p.drawRoundedRect(QRectF(5, 2, 22, 28), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xcf, 0xe8, 0xc8));
        p.drawRoundedRect(QRectF(8, 5, 16, 6), 1, 1);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const bool lastKey = row == 2 && column == 2;
                p.setBrush(lastKey ? kOrange : QColor(0xe9, 0xec, 0xef));
                p.drawRoundedRect(QRectF(8 + column * 5.7, 14 + row * 5, 4.3, 3.6), 0.8, 0.8);
            }
        }
    });
}

QIcon Icons::about() {
    return paintedIcon([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(14, 7, 4.5, 4.5));
        p.drawRoundedRect(QRectF(14, 13.5, 4.5, 12), 1.5, 1.5);
    });
}
