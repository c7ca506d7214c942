#include "letters/LetterToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
const QColor kInk(0x33, 0x3b, 0x47);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kAccent(0x2a, 0x6f, 0xdb);

void drawLetter(QPainter& painter, const QString& letter, bool italic, bool underline) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(14);
    font.setBold(!italic && !underline);
    font.setItalic(italic);
    font.setUnderline(underline);
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(QRectF(0, -1, 16, 16), Qt::AlignCenter, letter);
}

// Four lines of text, placed left, centred or right.
void drawLines(QPainter& painter, Qt::Alignment alignment) {
    painter.setPen(QPen(kInk, 1.5));
    const double widths[] = {12, 8, 12, 6};
    for (int row = 0; row < 4; ++row) {
        const double width = widths[row];
        double left = 2;
        if (alignment == Qt::AlignHCenter)
            left = 8 - width / 2;
        else if (alignment == Qt::AlignRight)
            left = 14 - width;
        const double y = 3.5 + row * 3;
        painter.drawLine(QPointF(left, y), QPointF(left + width, y));
    }
}

void drawBullets(QPainter& painter) {
    for (int row = 0; row < 3; ++row) {
        const double y = 4 + row * 4;
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAccent);
        painter.drawEllipse(QPointF(3, y), 1.5, 1.5);
        painter.setPen(QPen(kInk, 1.5));
        painter.drawLine(QPointF(6.5, y), QPointF(14, y));
    }
}

void drawSheet(QPainter& painter, const QRectF& sheet) {
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(kPaper);
    painter.drawRect(sheet);
    painter.setPen(QPen(kInk.lighter(160), 1));
    for (double y = sheet.top() + 3; y < sheet.bottom() - 1; y += 2.5)
        painter.drawLine(QPointF(sheet.left() + 2, y), QPointF(sheet.right() - 2, y));
}

void drawScissors(QPainter& painter) {
    painter.setPen(QPen(kInk, 1.5));
    painter.drawLine(QPointF(4, 1.5), QPointF(10.5, 11));
    painter.drawLine(QPointF(12, 1.5), QPointF(5.5, 11));
    painter.setPen(QPen(kAccent, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
    painter.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
}

void drawClipboard(QPainter& painter) {
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(QColor(0xc8, 0x9b, 0x5a));
    painter.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    painter.setBrush(kInk);
    painter.drawRect(QRectF(4, 1.5, 5, 2.5));
    drawSheet(painter, QRectF(7.5, 6.5, 7, 8.5));
}

void drawCross(QPainter& painter) {
    painter.setPen(QPen(QColor(0xd0, 0x33, 0x2b), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4, 4), QPointF(12, 12));
    painter.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void drawUndoArrow(QPainter& painter) {
    QPainterPath arc;
    arc.moveTo(4, 7);
    arc.cubicTo(7, 3.5, 14, 4, 13.5, 10);
    arc.cubicTo(13, 13, 10, 14, 8, 13.5);
    painter.setPen(QPen(kAccent, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);
    QPainterPath head;
    head.moveTo(1.5, 3.5);
    head.lineTo(6.5, 9.5);
    head.lineTo(1.5, 10);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccent);
    painter.drawPath(head);
}

void drawPalette(QPainter& painter) {
    QPainterPath board;
    board.addEllipse(QRectF(1, 2, 14, 12));
    QPainterPath thumb;
    thumb.addEllipse(QRectF(9, 8.5, 3.5, 3.5));
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(QColor(0xe8, 0xd2, 0xa8));
    painter.drawPath(board.subtracted(thumb));
    const QColor paints[] = {QColor(0xd0, 0x33, 0x2b), QColor(0x2f, 0x9e, 0x44), kAccent,
                             QColor(0xf2, 0xb7, 0x05)};
    const QPointF spots[] = {{4.5, 6.5}, {8, 4.5}, {11.5, 5.5}, {5, 10.5}};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(paints[i]);
        painter.drawEllipse(spots[i], 1.6, 1.6);
    }
}

void drawIcon(QPainter& painter, LetterIcon icon) {
    switch (icon) {
    case LetterIcon::Cut:
        return drawScissors(painter);
    case LetterIcon::Copy:
        drawSheet(painter, QRectF(1.5, 1.5, 8, 10));
        return drawSheet(painter, QRectF(6.5, 4.5, 8, 10));
    case LetterIcon::Paste:
        return drawClipboard(painter);
    case LetterIcon::Delete:
        return drawCross(painter);
    case LetterIcon::Undo:
        return drawUndoArrow(painter);
    case LetterIcon::Bold:
        return drawLetter(painter, QStringLiteral("B"), false, false);
    case LetterIcon::Italic:
        return drawLetter(painter, QStringLiteral("I"), true, false);
    case LetterIcon::Underline:
        return drawLetter(painter, QStringLiteral("U"), false, true);
    case LetterIcon::Colour:
        return drawPalette(painter);
    case LetterIcon::AlignLeft:
        return drawLines(painter, Qt::AlignLeft);
    case LetterIcon::AlignCentre:
        return drawLines(painter, Qt::AlignHCenter);
    case LetterIcon::AlignRight:
        return drawLines(painter, Qt::AlignRight);
    case LetterIcon::Bullets:
        return drawBullets(painter);
    }
}
} // namespace

QIcon letterToolbarIcon(LetterIcon icon) {
    constexpr int kScale = 2;
    QPixmap picture(16 * kScale, 16 * kScale);
    picture.setDevicePixelRatio(kScale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawIcon(painter, icon);
    painter.end();
    return QIcon(picture);
}
