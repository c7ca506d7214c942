#include "output/PageView.h"
#include "output/ReturnPreviewWindow.h"
#include "support/BlankReturnPages.h"
#include "ui/ui/wizard/UiTestHelpers.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class PreviewKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(blank.pages().size(), 5u);
        context.pages = blank.pages();
        window = std::make_unique<ReturnPreviewWindow>(context);
        window->resize(1000, 700);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    PageView* pages() const { return window->pageView(); }
    int scrolled() const { return pages()->verticalScrollBar()->value(); }
    // The key as the preparer presses it: to whatever has the keyboard in the window.
    void press(int key) const {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        pressKey(target, key);
    }
    QPushButton* button(const QString& text) const {
        for (QPushButton* candidate : window->findChildren<QPushButton*>())
            if (candidate->text() == text)
                return candidate;
        return nullptr;
    }

    BlankReturnPages blank;
    PreviewContext context;
    std::unique_ptr<ReturnPreviewWindow> window;
};
} // namespace

// After a zoom button was clicked, Page Down, End and Home still move through the pages.
TEST_F(PreviewKeyboardTest, ThePagesKeepTheKeyboardWhenAButtonIsPressed) {
    for (const char* text : {"Zoom &In", "Fit P&age", "Fit &Width", "Zoom &Out"}) {
        QPushButton* zoom = button(QLatin1String(text));
        ASSERT_TRUE(zoom) << text;
        QTest::mouseClick(zoom, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), pages()) << text;
        press(Qt::Key_Home);
        ASSERT_EQ(scrolled(), 0) << text;
        press(Qt::Key_PageDown);
        EXPECT_GT(scrolled(), 0) << text;
        press(Qt::Key_End);
        EXPECT_EQ(pages()->currentPage(), 4) << text;
    }
}

// Zoomed in, Page Down moves one window height at a time, so the lower part of a page can be
// read, and stops at the top of the next page; Page Up comes back the same way.
TEST_F(PreviewKeyboardTest, PageDownMovesAScreenAndStopsAtTheNextPage) {
    pages()->setZoom(4.0);
    pages()->setFocus();
    const int screen = pages()->viewport()->height();
    pages()->showPage(1);
    const int pitch = scrolled(); // where the second page starts
    pages()->showPage(0);
    ASSERT_GT(pitch, 2 * screen);
    std::vector<int> stops;
    for (int press = 0; press < 30 && (stops.empty() || stops.back() < pitch); ++press) {
        this->press(Qt::Key_PageDown);
        stops.push_back(scrolled());
    }
    ASSERT_GE(stops.size(), 3u);
    EXPECT_EQ(stops[0], screen);
    EXPECT_EQ(stops[1], 2 * screen);
    EXPECT_EQ(stops.back(), pitch) << "the second page starts at the top of the window";
    EXPECT_EQ(pages()->currentPage(), 1);
    press(Qt::Key_PageUp);
    EXPECT_EQ(scrolled(), pitch - screen);
    while (scrolled() > 0)
        press(Qt::Key_PageUp);
    EXPECT_EQ(pages()->currentPage(), 0);
}
