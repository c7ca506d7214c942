#include "ui/CalendarDialog.h"

#include "platform/Clock.h"
#include "ui/MonthCalendar.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QScreen>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class CalendarDialogTest : public ::testing::Test {
protected:
    CalendarDialogTest() { Clock::setFixedDate(QDate(2026, 11, 17)); }
    ~CalendarDialogTest() override { Clock::release(); }
};

TEST_F(CalendarDialogTest, ShowsSixMonthsFromThisMonthWithinTheScreen) {
    CalendarDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Calendar"));
    const QList<QCalendarWidget*> months = dialog.findChildren<QCalendarWidget*>();
    ASSERT_EQ(months.size(), 6);
    EXPECT_EQ(dialog.calendar()->firstMonth(), QDate(2026, 11, 1));
    EXPECT_EQ(months[0]->monthShown(), 11);
    EXPECT_EQ(months[2]->monthShown(), 1);
    EXPECT_EQ(months[2]->yearShown(), 2027);
    EXPECT_EQ(months[5]->monthShown(), 4);
    const QSize screen = dialog.screen()->availableGeometry().size();
    EXPECT_LE(dialog.width(), screen.width());
    EXPECT_LE(dialog.height(), screen.height());
    EXPECT_TRUE(dialog.isSizeGripEnabled());
}

TEST_F(CalendarDialogTest, ThreeAcrossAndTwoDownFollowingTheDialogSize) {
    CalendarDialog dialog;
    dialog.show();
    dialog.resize(dialog.width() + 200, dialog.height() + 100);
    QCoreApplication::processEvents();
    const QList<QCalendarWidget*> months = dialog.findChildren<QCalendarWidget*>();
    EXPECT_EQ(months[0]->y(), months[2]->y());
    EXPECT_LT(months[0]->x(), months[1]->x());
    EXPECT_LT(months[1]->x(), months[2]->x());
    EXPECT_GT(months[3]->y(), months[0]->y());
    EXPECT_EQ(months[3]->x(), months[0]->x());
}

TEST_F(CalendarDialogTest, PagesAMonthAtATime) {
    MonthCalendar calendar(3, 2);
    QList<QToolButton*> buttons = calendar.findChildren<QToolButton*>();
    auto button = [&](const QString& tip) {
        return *std::find_if(buttons.begin(), buttons.end(), [&](QToolButton* b) {
            return b->toolTip() == tip || b->text() == tip;
        });
    };
    button(QStringLiteral("Next month"))->click();
    EXPECT_EQ(calendar.firstMonth(), QDate(2026, 12, 1));
    button(QStringLiteral("Previous month"))->click();
    button(QStringLiteral("Previous month"))->click();
    EXPECT_EQ(calendar.firstMonth(), QDate(2026, 10, 1));
    button(QStringLiteral("Today"))->click();
    EXPECT_EQ(calendar.firstMonth(), QDate(2026, 11, 1));
}
} // namespace
