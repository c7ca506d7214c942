#include "forms/export/PageRaster.h"

#include "forms/EmfPlayer.h"

#include <QFile>
#include <QImage>
#include <QPainter>

namespace {

// A pixel is black when its grey level is below the middle.
constexpr int kBlackBelow = 128;

uchar inkBit(QRgb pixel, int position) {
    return uchar(uchar(qGray(pixel) < kBlackBelow) << (7 - position));
}

// Packs eight pixels at a time, without a branch per pixel, so the compiler can vectorise.
void packRow(const QRgb* pixels, int width, uchar* row) {
    const int whole = width / 8;
    for (int byte = 0; byte < whole; ++byte) {
        const QRgb* eight = pixels + byte * 8;
        uchar bits = 0;
        for (int position = 0; position < 8; ++position)
            bits |= inkBit(eight[position], position);
        row[byte] = bits;
    }
    for (int x = whole * 8; x < width; ++x)
        row[whole] |= inkBit(pixels[x], x & 7);
}

MonoRaster packBlackPixels(const QImage& page) {
    MonoRaster raster{page.width(), page.height(), {}};
    raster.bits = QByteArray(qsizetype(raster.bytesPerRow()) * raster.height, '\0');
    auto* out = reinterpret_cast<uchar*>(raster.bits.data());
    for (int y = 0; y < raster.height; ++y)
        packRow(reinterpret_cast<const QRgb*>(page.constScanLine(y)), raster.width,
                out + qsizetype(y) * raster.bytesPerRow());
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
