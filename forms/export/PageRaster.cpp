#include "forms/export/PageRaster.h"

#include "forms/EmfPlayer.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace {

// A pixel is black when its grey level is below the middle.
constexpr int kBlackBelow = 128;
// A white pixel of the canvas, all four bytes set.
constexpr quint32 kWhite = 0xFFFFFFFF;
// Pixels packed at a time: two bytes of the raster.
constexpr int kGroup = 16;

// Whether a pixel is black: its grey level (qGray's weights, 11:16:5 in 32nds) below the middle.
uchar isBlack(QRgb pixel) {
    const quint32 weighted =
        ((pixel >> 16) & 0xFF) * 11 + ((pixel >> 8) & 0xFF) * 16 + (pixel & 0xFF) * 5;
    return uchar(weighted < kBlackBelow * 32);
}

// Each byte with its bits in the opposite order: a mask whose first pixel is in the lowest bit
// becomes a raster byte, whose first pixel is in the highest.
constexpr std::array<uchar, 256> kReversed = [] {
    std::array<uchar, 256> table{};
    for (int bits = 0; bits < 256; ++bits) {
        for (int bit = 0; bit < 8; ++bit)
            table[size_t(bits)] |= uchar(((bits >> bit) & 1) << (7 - bit));
    }
    return table;
}();

#if defined(__SSE2__) || defined(_M_X64)

// Whether sixteen pixels are all white, tested in four 16-byte loads.
bool allWhite(const QRgb* pixels) {
    const auto* vectors = reinterpret_cast<const __m128i*>(pixels);
    const __m128i all =
        _mm_and_si128(_mm_and_si128(_mm_loadu_si128(vectors), _mm_loadu_si128(vectors + 1)),
                      _mm_and_si128(_mm_loadu_si128(vectors + 2), _mm_loadu_si128(vectors + 3)));
    return _mm_movemask_epi8(_mm_cmpeq_epi8(all, _mm_set1_epi32(-1))) == 0xFFFF;
}

// The black mask of four pixels as four 32-bit lanes of all ones or zeros: each pixel's
// blue and red (the low bytes of its two 16-bit halves) weighted 5 and 11 and its green (the
// high byte of the lower half) 16, by two multiply-adds, and compared with the middle, exactly
// as isBlack does.
__m128i blackLanes(__m128i four) {
    const __m128i blueRed = _mm_and_si128(four, _mm_set1_epi32(0x00FF00FF));
    const __m128i green = _mm_srli_epi16(four, 8);
    const __m128i weighted = _mm_add_epi32(_mm_madd_epi16(blueRed, _mm_set1_epi32(0x000B0005)),
                                           _mm_madd_epi16(green, _mm_set1_epi32(0x00000010)));
    return _mm_cmplt_epi32(weighted, _mm_set1_epi32(kBlackBelow * 32));
}

// The top bits of the sixteen 32-bit lanes of four vectors, the first lane in the lowest bit.
quint32 topBits(__m128i first, __m128i second, __m128i third, __m128i fourth) {
    return quint32(_mm_movemask_epi8(
        _mm_packs_epi16(_mm_packs_epi32(first, second), _mm_packs_epi32(third, fourth))));
}

// Whether every one of sixteen pixels is a grey: its blue, green and red the same.
bool allGrey(__m128i first, __m128i second, __m128i third, __m128i fourth) {
    const auto differences = [](__m128i four) {
        return _mm_xor_si128(four, _mm_slli_epi32(four, 8));
    };
    const __m128i any = _mm_or_si128(_mm_or_si128(differences(first), differences(second)),
                                     _mm_or_si128(differences(third), differences(fourth)));
    const __m128i greenAndRed = _mm_and_si128(any, _mm_set1_epi32(0x00FFFF00));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(greenAndRed, _mm_setzero_si128())) == 0xFFFF;
}

// The black mask of sixteen pixels, the first pixel in the lowest bit. Ink drawn in black on
// white is grey throughout, and a grey's weighted level is its own: such a pixel is black
// exactly when the top bit of its blue byte is clear. Groups with any other colour are
// weighed pixel by pixel.
quint32 blackMask(const QRgb* pixels) {
    const auto* vectors = reinterpret_cast<const __m128i*>(pixels);
    const __m128i first = _mm_loadu_si128(vectors);
    const __m128i second = _mm_loadu_si128(vectors + 1);
    const __m128i third = _mm_loadu_si128(vectors + 2);
    const __m128i fourth = _mm_loadu_si128(vectors + 3);
    if (allGrey(first, second, third, fourth))
        return ~topBits(_mm_slli_epi32(first, 24), _mm_slli_epi32(second, 24),
                        _mm_slli_epi32(third, 24), _mm_slli_epi32(fourth, 24)) &
               0xFFFF;
    return topBits(blackLanes(first), blackLanes(second), blackLanes(third), blackLanes(fourth));
}

#else

bool allWhite(const QRgb* pixels) {
    return std::all_of(pixels, pixels + kGroup, [](QRgb pixel) { return pixel == kWhite; });
}

quint32 blackMask(const QRgb* pixels) {
    quint32 mask = 0;
    for (int x = 0; x < kGroup; ++x)
        mask |= quint32(isBlack(pixels[x])) << x;
    return mask;
}

#endif

// Packs one row into bits and whitens the pixels it read, so the canvas is white again for the
// next page. Most of a form is paper: sixteen white pixels are passed over in one test and
// only groups with ink or grey in them are weighed and whitened. Every byte of the row is
// written.
void packAndWhitenRow(QRgb* pixels, int width, uchar* row) {
    int x = 0;
    for (; x + kGroup <= width; x += kGroup) {
        if (allWhite(pixels + x)) {
            row[x / 8] = row[x / 8 + 1] = 0;
            continue;
        }
        const quint32 mask = blackMask(pixels + x);
        row[x / 8] = kReversed[mask & 0xFF];
        row[x / 8 + 1] = kReversed[mask >> 8];
        std::fill(pixels + x, pixels + x + kGroup, kWhite);
    }
    if (x < width)
        std::memset(row + x / 8, 0, size_t((width - x + 7) / 8));
    for (; x < width; ++x) {
        row[x / 8] |= isBlack(pixels[x]) << (7 - (x & 7));
        pixels[x] = kWhite;
    }
}

// The processor's large memory page: 2 MB on x86-64 (and on ARM64 with 4 KB pages).
constexpr size_t kLargePage = size_t(2) << 20;

void releaseLargePages(void* pixels) {
    ::operator delete(pixels, std::align_val_t(kLargePage));
}

// An RGB32 image whose pixels lie in memory aligned to large pages and, on Linux, backed by
// them. A page is drawn and read all over its 15 MB; with 4 KB pages most of those accesses
// also miss the processor's cache of address translations, with 2 MB pages eight entries
// cover the image. Without such memory it is an image like any other.
QImage largePageImage(int width, int height) {
    const qsizetype bytesPerLine = qsizetype(width) * qsizetype(sizeof(QRgb));
    const size_t bytes =
        (size_t(bytesPerLine) * size_t(height) + kLargePage - 1) / kLargePage * kLargePage;
    void* pixels = ::operator new(bytes, std::align_val_t(kLargePage), std::nothrow);
    if (!pixels)
        return QImage(width, height, QImage::Format_RGB32);
#if defined(__linux__)
    madvise(pixels, bytes, MADV_HUGEPAGE);
#endif
    return QImage(static_cast<uchar*>(pixels), width, height, bytesPerLine, QImage::Format_RGB32,
                  releaseLargePages, pixels);
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
    PageCanvas() : image_(largePageImage(PageRaster::kWidth, PageRaster::kHeight)) {
        image_.fill(kWhite);
    }

    MonoRaster packAndWhiten() {
        MonoRaster raster{image_.width(), image_.height(), {}};
        uchar* out = reusableBits(qsizetype(raster.bytesPerRow()) * raster.height);
        for (int y = 0; y < raster.height; ++y)
            packAndWhitenRow(reinterpret_cast<QRgb*>(image_.scanLine(y)), raster.width,
                             out + qsizetype(y) * raster.bytesPerRow());
        raster.bits = bits_;
        return raster;
    }

    // The raster's bytes: the same buffer page after page once the caller has let go of the
    // last raster, so a page costs no fresh half-megabyte (and the kernel's mapping of it).
    uchar* reusableBits(qsizetype size) {
        if (!bits_.isDetached() || bits_.size() != size)
            bits_ = QByteArray(size, Qt::Uninitialized);
        return reinterpret_cast<uchar*>(bits_.data());
    }

    QImage image_;
    QByteArray bits_;
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

} // namespace PageRaster
