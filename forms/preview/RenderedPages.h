#pragma once

#include "forms/preview/PageImages.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

// The drawn pages of a preview, kept within a memory budget whatever the return's length and
// zoom. A page small enough is drawn whole, so scrolling over it and coming back costs nothing;
// a larger page (a high zoom) is drawn only around the part in view, in a piece of three window
// heights and one and a half window widths (at most the page's). What goes over the budget is
// forgotten, least recently used first, and drawn again when it is wanted. The pixels of what
// was forgotten are drawn over for the next piece of the same size, and at one zoom all pieces
// have one size, so paging through a long return does not keep asking the system for memory.
class RenderedPages {
public:
    // The largest page drawn whole (24 MB: a letter page at up to about 250 %), and the budget
    // of everything kept.
    static constexpr std::int64_t kWholePageBytes = 24LL << 20;
    static constexpr std::int64_t kBudgetBytes = 80LL << 20;

    // A drawn part of a page: where it lies on the page (in the page's pixels at the size it
    // was drawn) and its pixels.
    struct Piece {
        QRect area;
        QImage image;
    };

    RenderedPages() = default;
    ~RenderedPages();
    RenderedPages(const RenderedPages&) = delete;
    RenderedPages& operator=(const RenderedPages&) = delete;

    void setImages(PageImages images);
    int pageCount() const { return static_cast<int>(images_.size()); }
    const QByteArray& image(int index) const { return images_[static_cast<std::size_t>(index)]; }

    // The part of page `index` drawn at `pageSize` that covers `wanted` (in the page's pixels);
    // drawn now when nothing kept covers it. `window` is the size of the view, which sets the
    // size of the pieces of a page drawn in parts.
    Piece piece(int index, QSize pageSize, const QRect& wanted, QSize window);
    // The same when it is kept, without drawing.
    std::optional<Piece> keptPiece(int index, QSize pageSize, const QRect& wanted);

    // Draws a page image over `page` (white beneath it is the painter's), smoothed as the
    // preview shows pages.
    static void drawPage(QPainter& painter, const QByteArray& image, const QRectF& page);
    // Forgets everything drawn (the zoom changed) and gives its memory back to the system.
    void forgetDrawn();
    // Every byte of drawn pixels held, the pixels kept for reuse included.
    std::int64_t bytesKept() const;

private:
    struct Kept {
        Piece piece;
        QSize pageSize; // the size of the page it was drawn at
        std::uint64_t lastUse = 0;

        bool covers(QSize size, const QRect& wanted) const {
            return !piece.image.isNull() && pageSize == size && piece.area.contains(wanted);
        }
    };
    QRect areaToDraw(QSize pageSize, const QRect& wanted, QSize window) const;
    void forget(Kept& kept);
    Kept* leastRecentlyUsed();
    QImage blankImage(QSize size);

    PageImages images_;
    std::vector<Kept> kept_;
    QImage spare_; // the pixels of the piece forgotten last, to be drawn over
    std::uint64_t uses_ = 0;
};
