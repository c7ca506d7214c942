#include "forms/preview/RenderedPages.h"

#include "forms/EmfPlayer.h"
#include "platform/FreedMemory.h"

#include <QPainter>
#include <algorithm>

namespace {
std::int64_t bytesOf(const QImage& image) {
    return image.sizeInBytes();
}

std::int64_t bytesOf(QSize size) {
    return std::int64_t(size.width()) * size.height() * 4;
}

// Draws the page at `pageSize` on `piece`, a white image that shows its part `area`.
void draw(const QByteArray& image, QSize pageSize, const QRect& area, QImage& piece) {
    QPainter painter(&piece);
    painter.translate(-area.topLeft());
    RenderedPages::drawPage(painter, image, QRectF(QPointF(0, 0), QSizeF(pageSize)));
}
} // namespace

RenderedPages::~RenderedPages() {
    kept_.clear();
    spare_ = QImage();
    FreedMemory::giveBack();
}

void RenderedPages::setImages(PageImages images) {
    images_ = std::move(images);
    forgetDrawn();
    kept_.assign(images_.size(), Kept());
}

void RenderedPages::drawPage(QPainter& painter, const QByteArray& image, const QRectF& page) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    EmfPlayer(image).play(painter, page);
}

std::optional<RenderedPages::Piece> RenderedPages::keptPiece(int index, QSize pageSize,
                                                             const QRect& wanted) {
    Kept& kept = kept_[static_cast<std::size_t>(index)];
    if (!kept.covers(pageSize, wanted & QRect(QPoint(0, 0), pageSize)))
        return std::nullopt;
    kept.lastUse = ++uses_;
    return kept.piece;
}

RenderedPages::Piece RenderedPages::piece(int index, QSize pageSize, const QRect& wanted,
                                          QSize window) {
    const QRect onPage = wanted & QRect(QPoint(0, 0), pageSize);
    Kept& kept = kept_[static_cast<std::size_t>(index)];
    kept.lastUse = ++uses_;
    if (!kept.covers(pageSize, onPage)) {
        const QRect area = areaToDraw(pageSize, onPage, window);
        forget(kept);
        QImage pixels = blankImage(area.size());
        draw(images_[static_cast<std::size_t>(index)], pageSize, area, pixels);
        kept.piece = {area, std::move(pixels)};
        kept.pageSize = pageSize;
    }
    return kept.piece;
}

// White pixels of the size: the spare ones or those of a piece forgotten to make room when they
// have the size, else new ones once there is room.
QImage RenderedPages::blankImage(QSize size) {
    QImage pixels;
    std::swap(pixels, spare_);
    if (pixels.size() != size)
        pixels = QImage();
    while (pixels.isNull() && bytesKept() + bytesOf(size) > kBudgetBytes) {
        Kept* oldest = leastRecentlyUsed();
        if (!oldest)
            break;
        QImage forgotten = std::move(oldest->piece.image);
        oldest->piece = Piece();
        if (forgotten.size() == size)
            pixels = std::move(forgotten);
    }
    if (pixels.isNull())
        pixels = QImage(size, QImage::Format_RGB32);
    pixels.fill(Qt::white);
    return pixels;
}

void RenderedPages::forget(Kept& kept) {
    if (!kept.piece.image.isNull())
        spare_ = std::move(kept.piece.image);
    kept.piece = Piece();
}

// A page in parts is drawn in pieces of one size, the window's and its margins (or the page's
// where that is smaller), each put around the part wanted and moved inside the page: pieces of
// one size take each other's pixels, so scrolling costs no new memory.
QRect RenderedPages::areaToDraw(QSize pageSize, const QRect& wanted, QSize window) const {
    const QRect page(QPoint(0, 0), pageSize);
    if (bytesOf(pageSize) <= kWholePageBytes)
        return page;
    const QSize size = QSize(window.width() * 3 / 2, window.height() * 3)
                           .boundedTo(pageSize)
                           .expandedTo(wanted.size());
    QRect area(QPoint(0, 0), size);
    area.moveCenter(wanted.center());
    area.moveLeft(std::clamp(area.left(), 0, pageSize.width() - size.width()));
    area.moveTop(std::clamp(area.top(), 0, pageSize.height() - size.height()));
    return area;
}

RenderedPages::Kept* RenderedPages::leastRecentlyUsed() {
    Kept* oldest = nullptr;
    for (Kept& kept : kept_) {
        if (!kept.piece.image.isNull() && (!oldest || kept.lastUse < oldest->lastUse))
            oldest = &kept;
    }
    return oldest;
}

void RenderedPages::forgetDrawn() {
    for (Kept& kept : kept_)
        kept.piece = Piece();
    spare_ = QImage();
    FreedMemory::giveBack();
}

std::int64_t RenderedPages::bytesKept() const {
    std::int64_t bytes = bytesOf(spare_);
    for (const Kept& kept : kept_)
        bytes += bytesOf(kept.piece.image);
    return bytes;
}
