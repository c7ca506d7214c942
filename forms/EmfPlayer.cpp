#include "forms/EmfPlayer.h"

#include "forms/EmfPlayback.h"
#include "forms/EmfRecordReader.h"

#include <QPainter>

namespace {

constexpr qreal kHundredthsOfMillimetrePerInch = 2540;
// The largest raster renderPage makes: 64 million pixels (256 MB), a legal page at 600 dpi and
// then some, and no side longer than 16000 pixels.
constexpr qreal kLargestRasterSide = 16000;
constexpr qreal kLargestRasterPixels = 64'000'000;

// The page rectangle in the reference device's pixels: the frame, or the bounds when the
// frame is empty.
QRectF pageInDevicePixels(const EmfHeader& header) {
    const QSizeF hundredths = header.deviceMicrometres.isEmpty()
                                  ? QSizeF(header.deviceMillimetres) * 100.0
                                  : QSizeF(header.deviceMicrometres) / 10.0;
    const QRectF frame(QPointF(header.frame.left(), header.frame.top()),
                       QPointF(header.frame.right(), header.frame.bottom()));
    if (!frame.isEmpty() && !hundredths.isEmpty() && !header.devicePixels.isEmpty()) {
        const qreal perX = header.devicePixels.width() / hundredths.width();
        const qreal perY = header.devicePixels.height() / hundredths.height();
        return QRectF(frame.left() * perX, frame.top() * perY, frame.width() * perX,
                      frame.height() * perY);
    }
    const QRect bounds = header.bounds;
    return QRectF(QPointF(bounds.left(), bounds.top()),
                  QPointF(bounds.right() + 1.0, bounds.bottom() + 1.0));
}

QTransform deviceToTarget(const QRectF& page, const QRectF& target) {
    return QTransform::fromTranslate(-page.left(), -page.top()) *
           QTransform::fromScale(target.width() / page.width(), target.height() / page.height()) *
           QTransform::fromTranslate(target.left(), target.top());
}

// Runs every record; a painter makes it draw, none makes it only check.
QString playRecords(const EmfRecordReader& reader, QPainter* painter, const QRectF& target) {
    const QRectF page = pageInDevicePixels(reader.header());
    if (page.isEmpty() || !page.isValid())
        return QStringLiteral("The page image has no page size.");
    EmfPlayback playback(reader.header(), painter, deviceToTarget(page, target), target);
    for (const EmfRecord& record : reader.records()) {
        if (!playback.play(record))
            return QStringLiteral("The page image has a damaged record at byte %1.")
                .arg(record.offset());
    }
    return {};
}

} // namespace

EmfPlayer::EmfPlayer(QByteArray image) : image_(std::move(image)) {
    const EmfRecordReader reader(image_);
    error_ = reader.isValid() ? playRecords(reader, nullptr, QRectF(0, 0, 1, 1)) : reader.error();
}

QSizeF EmfPlayer::pageSizeInches() const {
    if (!isValid())
        return {};
    const QRect frame = EmfRecordReader(image_).header().frame;
    return QSizeF(qreal(frame.right()) - frame.left(), qreal(frame.bottom()) - frame.top()) /
           kHundredthsOfMillimetrePerInch;
}

bool EmfPlayer::play(QPainter& painter, const QRectF& target) const {
    if (!isValid() || !painter.isActive())
        return false;
    const EmfRecordReader reader(image_);
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    playRecords(reader, &painter, target);
    painter.restore();
    return true;
}

QImage renderPage(const QByteArray& image, int dotsPerInch, QString* error) {
    const EmfPlayer player(image);
    QSizeF inches = player.pageSizeInches();
    if (player.isValid() && inches.isEmpty())
        inches = QSizeF(8.5, 11);
    if (!player.isValid() || dotsPerInch <= 0) {
        if (error)
            *error = player.isValid() ? QStringLiteral("The resolution must be positive.")
                                      : player.error();
        return {};
    }
    const QSize pixels = (inches * dotsPerInch).toSize();
    const QSizeF size = inches * dotsPerInch;
    if (size.width() > kLargestRasterSide || size.height() > kLargestRasterSide ||
        size.width() * size.height() > kLargestRasterPixels || pixels.isEmpty()) {
        if (error)
            *error = QStringLiteral("The page is too large to draw at this resolution.");
        return {};
    }
    QImage page(pixels, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    page.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    page.fill(Qt::white);
    QPainter painter(&page);
    player.play(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return page;
}
