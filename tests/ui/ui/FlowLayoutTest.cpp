#include "ui/FlowLayout.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// Three buttons of 100 x 30 pixels, 10 apart across and 5 apart down.
class FlowLayoutTest : public ::testing::Test {
protected:
    FlowLayoutTest() {
        flow = new FlowLayout(&bar, 10, 5);
        for (int index = 0; index < 3; ++index) {
            buttons[index] = new QPushButton(QStringLiteral("Button %1").arg(index));
            buttons[index]->setFixedSize(100, 30);
            flow->addWidget(buttons[index]);
        }
    }
    void layOut(int width) {
        bar.resize(width, flow->heightForWidth(width));
        flow->setGeometry(bar.rect());
    }

    QWidget bar;
    FlowLayout* flow;
    QPushButton* buttons[3];
};

TEST_F(FlowLayoutTest, OneRowWhereItFitsAndNewRowsWhereItDoesNot) {
    const struct {
        int width;
        int height;
        QPoint third;
    } cases[] = {{320, 30, {220, 0}}, {319, 65, {0, 35}}, {210, 65, {0, 35}}, {100, 100, {0, 70}}};
    for (const auto& [width, height, third] : cases) {
        layOut(width);
        EXPECT_EQ(flow->heightForWidth(width), height) << width;
        EXPECT_EQ(buttons[0]->pos(), QPoint(0, 0)) << width;
        EXPECT_EQ(buttons[2]->pos(), third) << width;
    }
}

// Its smallest width is its widest item's, so its window can be as narrow as that; a hidden
// item takes no place.
TEST_F(FlowLayoutTest, ItsSmallestWidthIsTheWidestItemsAndHiddenItemsTakeNoPlace) {
    EXPECT_EQ(flow->minimumSize(), QSize(100, 30));
    EXPECT_EQ(flow->sizeHint(), QSize(320, 30));
    buttons[1]->hide();
    EXPECT_EQ(flow->sizeHint(), QSize(210, 30));
    layOut(210);
    EXPECT_EQ(buttons[2]->pos(), QPoint(110, 0));
}
} // namespace
