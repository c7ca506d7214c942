#include "letters/LetterPrinter.h"

#include "letters/RtfUnits.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <memory>

namespace {
// Lays the letter out at the fixed letter resolution, whatever the screen, so the page breaks
// do not depend on the machine.
QImage layoutDevice() {
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(RtfUnits::kLayoutDotsPerInch / 0.0254);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    return device;
}

// The printable area in whole inches.
QSizeF pageInches(const QPagedPaintDevice& device) {
    const QRect printable = device.pageLayout().paintRectPixels(device.logicalDpiX());
    return QSizeF(printable.width() / device.logicalDpiX(),
                  printable.height() / device.logicalDpiY());
}
} // namespace

bool printLetter(const QTextDocument& letter, QPagedPaintDevice& device) {
    const QSizeF inches = pageInches(device);
    if (inches.isEmpty())
        return false;
    std::unique_ptr<QTextDocument> copy(letter.clone());
    QImage layoutPaintDevice = layoutDevice();
    copy->documentLayout()->setPaintDevice(&layoutPaintDevice);
    copy->setDocumentMargin(0);
    const QSizeF page = inches * RtfUnits::kLayoutDotsPerInch;
    copy->setPageSize(page);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(device.logicalDpiX() / RtfUnits::kLayoutDotsPerInch,
                  device.logicalDpiY() / RtfUnits::kLayoutDotsPerInch);
    const int pages = copy->pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            device.newPage();
        painter.save();
        const QRectF clip(0, index * page.height(), page.width(), page.height());
        painter.translate(0, -clip.top());
        copy->drawContents(&painter, clip);
        painter.restore();
    }
    return painter.end();
}
