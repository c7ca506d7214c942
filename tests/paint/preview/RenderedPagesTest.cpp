#include "forms/preview/RenderedPages.h"

#include "forms/EmfPlayer.h"
#include "forms/FormImages.h"
#include "support/GreyDifference.h"
#include "support/TestFiles.h"

#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A letter page at 100 % in the preview: 8.5 x 11 inches at 96 pixels per inch.
const QSize kPageAt100(816, 1056);
const QSize kWindow(1000, 700);

PageImages formPages(int count) {
    const QByteArray forms[] = {
        TestFiles::readAll(FormImages::path(FormImages::kSt1Page1)),
        TestFiles::readAll(FormImages::path(FormImages::kSt14)),
        TestFiles::readAll(FormImages::path(FormImages::kSt8)),
    };
    PageImages pages;
    for (int page = 0; page < count; ++page)
        pages.push_back(forms[page % 3]);
    return pages;
}

// The page drawn whole at `size`, the plain way.
QImage wholePage(const QByteArray& image, QSize size) {
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    EmfPlayer(image).play(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return page;
}

// A page that fits the budget is drawn whole; a larger one only around the part in view, in
// pieces of three window heights and one and a half window widths; either way the part shows what
// the whole page shows there (the smoothing of an edge may round one level of grey the other way; a
// part put one pixel off would differ by far more).
TEST(RenderedPages, APieceShowsItsPartOfThePage) {
    RenderedPages pages;
    const PageImages images = formPages(1);
    pages.setImages(images);
    const struct {
        double zoom;
        QRect wanted;
        bool whole;
    } cases[] = {
        {1.0, QRect(0, 300, 816, 700), true},
        {2.5, QRect(100, 900, 1000, 700), true},
        {4.0, QRect(1500, 2000, 1000, 700), false},
        {4.0, QRect(2264, 3800, 1000, 424), false}, // the bottom right corner
        {4.0, QRect(0, 0, 1000, 700), false},       // the top left corner
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        const QSize size = kPageAt100 * c.zoom;
        const RenderedPages::Piece piece = pages.piece(0, size, c.wanted, kWindow);
        const QRect page(QPoint(0, 0), size);
        if (c.whole) {
            EXPECT_EQ(piece.area, page);
        } else {
            EXPECT_EQ(piece.area.size(), QSize(1500, 2100)) << "one size for every piece";
            EXPECT_TRUE(page.contains(piece.area));
            EXPECT_TRUE(piece.area.contains(c.wanted));
        }
        ASSERT_EQ(piece.image.size(), piece.area.size());
        EXPECT_LE(largestGreyDifference(piece.image, wholePage(images[0], size).copy(piece.area)),
                  1);
    }
}

// Kept pieces are handed out again until the budget is needed for others: the least recently
// used is then forgotten first and drawn anew when wanted again.
TEST(RenderedPages, WhatIsKeptStaysWithinTheBudgetLeastRecentlyUsedGoingFirst) {
    RenderedPages pages;
    pages.setImages(formPages(130));
    const QSize size = kPageAt100 * 2.5; // 8 MB a page
    const QRect view(0, 0, 1000, 700);
    const qint64 first = pages.piece(0, size, view, kWindow).image.cacheKey();
    const qint64 second = pages.piece(1, size, view, kWindow).image.cacheKey();
    EXPECT_EQ(pages.piece(0, size, view, kWindow).image.cacheKey(), first) << "kept";
    std::int64_t most = 0;
    for (int index = 2; index < 130; ++index) {
        pages.piece(index, size, view, kWindow);
        pages.piece(0, size, view, kWindow); // page 1 is used again, page 2 is not
        most = std::max(most, pages.bytesKept());
    }
    EXPECT_LE(most, RenderedPages::kBudgetBytes);
    EXPECT_GT(most, RenderedPages::kBudgetBytes / 2);
    EXPECT_EQ(pages.piece(0, size, view, kWindow).image.cacheKey(), first)
        << "the page used all along stays";
    EXPECT_NE(pages.piece(1, size, view, kWindow).image.cacheKey(), second)
        << "the page left alone was forgotten and drawn anew";

    pages.forgetDrawn();
    EXPECT_EQ(pages.bytesKept(), 0);
}

} // namespace
