#include "forms/preview/PagePrinter.h"

#include "forms/EmfPlayer.h"

#include <QPainter>
#include <QPrinter>

namespace {
constexpr double kCaptionPointSize = 10;
constexpr int kCaptionHeightDivisor = 14;
constexpr double kLetterWidthPerHeight = 8.5 / 11;

void drawCaption(QPainter& painter, const QString& caption, const QRectF& area) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(kCaptionPointSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QPointF topLeft(area.left() + area.width() / 2,
                          area.top() + area.height() / kCaptionHeightDivisor);
    painter.drawText(QRectF(topLeft, area.bottomRight()), Qt::AlignLeft | Qt::AlignTop, caption);
}

bool drawPage(QPainter& painter, const PageEntry& page, const QRectF& area) {
    const int images = std::clamp(page.imageCount, 1, 2);
    for (int index = 0; index < images; ++index) {
        if (!EmfPlayer(page.image(index)).play(painter, area))
            return false;
    }
    if (page.caption)
        drawCaption(painter, *page.caption, area);
    return true;
}
} // namespace

QRectF letterArea(const QRectF& printable) {
    QSizeF size(printable.width(), printable.width() / kLetterWidthPerHeight);
    if (size.height() > printable.height())
        size = QSizeF(printable.height() * kLetterWidthPerHeight, printable.height());
    QRectF area(QPointF(), size);
    area.moveCenter(printable.center());
    return area;
}

bool printPages(const PageList& pages, QPrinter& printer) {
    if (pages.empty())
        return true;
    printer.setDocName(QStringLiteral("Vantrobe"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the printable area's top-left corner, in device pixels.
    const QRectF area = letterArea(QRectF(0, 0, printer.width(), printer.height()));
    bool healthy = true;
    for (std::size_t index = 0; healthy && index < pages.size(); ++index) {
        healthy = (index == 0 || printer.newPage()) && drawPage(painter, pages[index], area);
    }
    if (!healthy) {
        printer.abort();
        return false;
    }
    return painter.end();
}
