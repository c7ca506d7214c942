#include "output/PageView.h"

#include "forms/FormImages.h"
#include "support/GreyDifference.h"
#include "support/TestFiles.h"
#include "ui/ui/wizard/UiTestHelpers.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A view of a long return (130 pages, as the largest multi-site return has), shown.
class PageViewTest : public ::testing::Test {
protected:
    PageViewTest() {
        const QByteArray forms[] = {TestFiles::readAll(FormImages::path(FormImages::kSt1Page1)),
                                    TestFiles::readAll(FormImages::path(FormImages::kSt8))};
        PageImages images;
        for (int page = 0; page < 130; ++page)
            images.push_back(forms[page % 2]);
        view.resize(1000, 700);
        view.show();
        view.setPageImages(std::move(images));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&view, &event);
        paint();
    }
    // Paints what is in view now, and lets the view keep it, as it does once the screen shows
    // it.
    void paint() {
        view.viewport()->repaint();
        QApplication::processEvents();
    }

    PageView view;
};

TEST_F(PageViewTest, TheKeyboardPagesAndZoomsThroughTheReturn) {
    EXPECT_EQ(view.currentPage(), 0);
    for (int page = 1; page <= 3; ++page) {
        press(Qt::Key_PageDown);
        EXPECT_EQ(view.currentPage(), page);
    }
    press(Qt::Key_PageUp);
    EXPECT_EQ(view.currentPage(), 2);
    press(Qt::Key_End);
    EXPECT_EQ(view.currentPage(), 129);
    press(Qt::Key_PageDown);
    EXPECT_EQ(view.currentPage(), 129);
    press(Qt::Key_Home);
    EXPECT_EQ(view.currentPage(), 0);

    view.setZoom(1.0);
    press(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view.zoom(), 1.25);
    press(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view.zoom(), 1.0);
    press(Qt::Key_Plus); // without Ctrl nothing zooms
    EXPECT_DOUBLE_EQ(view.zoom(), 1.0);
}

// Paging through the whole return at the width of the window, and scrolling over a dozen pages
// at 400 %, the drawn pages the view keeps stay within its budget, whatever it has shown.
TEST_F(PageViewTest, WhatTheViewKeepsStaysWithinItsBudgetAtAnyLengthAndZoom) {
    view.fitWidth();
    std::int64_t most = 0;
    for (int page = 0; page < view.pageCount(); ++page) {
        view.showPage(page);
        paint();
        most = std::max(most, view.bytesKept());
    }
    EXPECT_LE(most, RenderedPages::kBudgetBytes);

    view.setZoom(4.0);
    QScrollBar* scroll = view.verticalScrollBar();
    for (int value = 0; view.currentPage() < 12; value += scroll->pageStep()) {
        scroll->setValue(value);
        paint();
        most = std::max(most, view.bytesKept());
    }
    EXPECT_LE(most, RenderedPages::kBudgetBytes);
    EXPECT_GT(most, RenderedPages::kBudgetBytes / 2);
}

// A page coming into view is drawn straight onto the screen, then kept and copied from what was
// kept: the screen shows the same either way (up to a level of grey in the smoothing), at the
// width of the window and zoomed in on the middle of a page.
TEST_F(PageViewTest, APageLooksTheSameDrawnAnewAndFromWhatWasKept) {
    const auto showAt = [this](double zoom, int scroll) {
        // The scroll bars settle at a zoom next to it first; the zoom itself then forgets
        // everything drawn, and nothing moves the view any more.
        view.setZoom(zoom * 0.99);
        QApplication::processEvents();
        view.setZoom(zoom);
        view.verticalScrollBar()->setValue(scroll);
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() / 2);
        ASSERT_EQ(view.bytesKept(), 0);
    };
    for (const auto& [zoom, scroll] : {std::pair{1.0, 500}, std::pair{4.0, 6000}}) {
        SCOPED_TRACE(zoom);
        showAt(zoom, scroll);
        const QImage drawnAnew = view.viewport()->grab().toImage();
        QApplication::processEvents();
        ASSERT_GT(view.bytesKept(), 0) << "the pages in view are kept once shown";
        const QImage fromKept = view.viewport()->grab().toImage();
        ASSERT_EQ(drawnAnew.size(), fromKept.size());
        EXPECT_LE(largestGreyDifference(drawnAnew, fromKept), 1);
        EXPECT_NE(drawnAnew.pixel(drawnAnew.rect().center()), 0) << "something is shown";
    }
}

} // namespace
