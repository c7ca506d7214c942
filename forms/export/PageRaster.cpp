#include "forms/export/PageRaster.h"

#include "forms/EmfPlayer.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <cstring>

namespace {

// A pixel is black when its grey level is below the middle.
constexpr int kBlackBelow = 128;
// A white pixel of the canvas, all four bytes set.
constexpr quint32 kWhite = 0xFFFFFFFF;

// Whether `count` pixels (a multiple of two) are all white, tested a 64-bit word at a time.
template <int count>
bool allWhite(const QRgb* pixels) {
    quint64 all = ~quint64(0);
    for (int pair = 0; pair < count; pair += 2) {
        quint64 word;
        std::memcpy(&word, pixels + pair, sizeof(word));
        all &= word;
    }
    return all == ~quint64(0);
}

// Whether a pixel is black: its grey level (qGray's weights, 11:16:5 in 32nds) below the middle.
uchar isBlack(QRgb pixel) {
    const quint32 weighted =
        ((pixel >> 16) & 0xFF) * 11 + ((pixel >> 8) & 0xFF) * 16 + (pixel & 0xFF) * 5;
    return uchar(weighted < kBlackBelow * 32);
}

// The same for a grey pixel (red, green and blue alike): its grey level is its blue value, and
// below the middle exactly when that value's highest bit is clear.
uchar isBlackGrey(QRgb pixel) {
    return uchar(((pixel >> 7) & 1) ^ 1);
}

// Eight pixels that are all grey, as black ink drawn smoothly on white is.
bool allGrey(const QRgb* eight) {
    quint32 colour = 0;
    for (int x = 0; x < 8; ++x)
        colour |= (eight[x] ^ (eight[x] >> 8)) & 0xFFFF;
    return colour == 0;
}

// Packs eight pixels with ink or grey in them into a byte, and whitens them. Each pixel first
// becomes a byte of 0 or 1 (the loops have no branch, so the compiler works on several pixels
// at once); the eight bytes, read as one little-endian word, are gathered into the bits of one
// byte by a multiplication that puts the first pixel in the highest bit, as a row's leftmost
// pixel must be.
uchar packAndWhitenEight(QRgb* eight) {
    uchar black[8];
    if (allGrey(eight)) {
        for (int x = 0; x < 8; ++x)
            black[x] = isBlackGrey(eight[x]);
    } else {
        for (int x = 0; x < 8; ++x)
            black[x] = isBlack(eight[x]);
    }
    std::fill(eight, eight + 8, kWhite);
    return uchar((qFromLittleEndian<quint64>(black) * 0x8040201008040201ULL) >> 56);
}

// Packs one row into bits and whitens the pixels it read, so the canvas is white again for the
// next page. Most of a form is paper: 32 white pixels are passed over in one test, then eight;
// only groups with ink or grey in them are looked at pixel by pixel. Every byte of the row is
// written.
void packAndWhitenRow(QRgb* pixels, int width, uchar* row) {
    constexpr int kBlock = 32;
    int x = 0;
    for (; x + kBlock <= width; x += kBlock) {
        if (allWhite<kBlock>(pixels + x)) {
            std::memset(row + x / 8, 0, kBlock / 8);
            continue;
        }
        for (int group = x; group < x + kBlock; group += 8)
            row[group / 8] = allWhite<8>(pixels + group) ? 0 : packAndWhitenEight(pixels + group);
    }
    for (; x + 8 <= width; x += 8)
        row[x / 8] = allWhite<8>(pixels + x) ? 0 : packAndWhitenEight(pixels + x);
    if (x < width)
        row[x / 8] = 0;
    for (; x < width; ++x) {
        row[x / 8] |= isBlack(pixels[x]) << (7 - (x & 7));
        pixels[x] = kWhite;
    }
}

// The white page a thread draws its pages on. It is made once per thread and kept, so a page
// costs neither a fresh 15 MB buffer (and the kernel's mapping of it) nor a fill: packing
// whitens what the page drew.
class PageCanvas {
public:
    static PageCanvas& current() {
        thread_local PageCanvas canvas;
        return canvas;
    }

    MonoRaster draw(const EmfPlayer& player) {
        {
            QPainter painter(&image_);
            player.play(painter, QRectF(0, 0, PageRaster::kWidth, PageRaster::kHeight));
        }
        return packAndWhiten();
    }

private:
    PageCanvas() : image_(PageRaster::kWidth, PageRaster::kHeight, QImage::Format_RGB32) {
        image_.fill(kWhite);
    }

    MonoRaster packAndWhiten() {
        MonoRaster raster{image_.width(), image_.height(), {}};
        raster.bits =
            QByteArray(qsizetype(raster.bytesPerRow()) * raster.height, Qt::Uninitialized);
        auto* out = reinterpret_cast<uchar*>(raster.bits.data());
        for (int y = 0; y < raster.height; ++y)
            packAndWhitenRow(reinterpret_cast<QRgb*>(image_.scanLine(y)), raster.width,
                             out + qsizetype(y) * raster.bytesPerRow());
        return raster;
    }

    QImage image_;
};

} // namespace

namespace PageRaster {

MonoRaster fromImage(const QByteArray& image, QString* error) {
    const EmfPlayer player(image);
    if (!player.isValid()) {
        if (error)
            *error = player.error();
        return {};
    }
    return PageCanvas::current().draw(player);
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
