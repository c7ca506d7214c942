#include "forms/export/PageRaster.h"

#include "forms/EmfPlayer.h"

#include <QFile>
#include <QImage>
#include <QPainter>

namespace {

// A pixel is black when its grey level is below the middle.
constexpr int kBlackBelow = 128;

MonoRaster packBlackPixels(const QImage& page) {
    MonoRaster raster{page.width(), page.height(), {}};
    raster.bits = QByteArray(qsizetype(raster.bytesPerRow()) * raster.height, '\0');
    auto* out = reinterpret_cast<uchar*>(raster.bits.data());
    for (int y = 0; y < raster.height; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        uchar* row = out + qsizetype(y) * raster.bytesPerRow();
        for (int x = 0; x < raster.width; ++x) {
            if (qGray(pixels[x]) < kBlackBelow)
                row[x >> 3] |= uchar(0x80 >> (x & 7));
        }
    }
    return raster;
}

} // namespace

namespace PageRaster {

MonoRaster fromImage(const QByteArray& image, QString* error) {
    const EmfPlayer player(image);
    if (!player.isValid()) {
        if (error)
            *error = player.error();
        return {};
    }
    QImage page(kWidth, kHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    player.play(painter, QRectF(0, 0, kWidth, kHeight));
    painter.end();
    return packBlackPixels(page);
}

MonoRaster fromFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1 cannot be read.").arg(path);
        return {};
    }
    return fromImage(file.readAll(), error);
}

} // namespace PageRaster
