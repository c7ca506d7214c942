#include "returns/schedule/DueStatus.h"

#include <gtest/gtest.h>

namespace {
// The board's rules, one row per case: the last stored period and today in; the next period,
// its payment due date, the days left (negative: late) and the state out.
struct BoardRule {
    const char* what;
    FilingPeriod last;
    QDate today;
    FilingPeriod next;
    QDate due;
    int daysLeft;
    DueState state;
};

constexpr int M = kMonthlyPeriod;
constexpr int Q = kQuarterlyPeriod;
constexpr int A = kAnnualPeriod;

const BoardRule kRules[] = {
    // Monthly. 2025-04-20 is a Sunday, 2025-05-20 a Tuesday, 2025-12-20 a Saturday.
    {"next month still running",
     {M, 2025, 3},
     QDate(2025, 4, 10),
     {M, 2025, 4},
     QDate(2025, 5, 20),
     40,
     DueState::Stored},
    {"last day of the next month is not yet its end",
     {M, 2025, 3},
     QDate(2025, 4, 30),
     {M, 2025, 4},
     QDate(2025, 5, 20),
     20,
     DueState::Stored},
    {"next month ended, payment ahead",
     {M, 2025, 3},
     QDate(2025, 5, 1),
     {M, 2025, 4},
     QDate(2025, 5, 20),
     19,
     DueState::Due},
    {"due today",
     {M, 2025, 3},
     QDate(2025, 5, 20),
     {M, 2025, 4},
     QDate(2025, 5, 20),
     0,
     DueState::Due},
    {"one day late",
     {M, 2025, 3},
     QDate(2025, 5, 21),
     {M, 2025, 4},
     QDate(2025, 5, 20),
     -1,
     DueState::Late},
    {"a Sunday 20th moves to Monday",
     {M, 2025, 2},
     QDate(2025, 4, 21),
     {M, 2025, 3},
     QDate(2025, 4, 21),
     0,
     DueState::Due},
    {"after that Monday it is late",
     {M, 2025, 2},
     QDate(2025, 4, 22),
     {M, 2025, 3},
     QDate(2025, 4, 21),
     -1,
     DueState::Late},
    {"a Saturday 20th moves to Monday",
     {M, 2025, 10},
     QDate(2025, 12, 21),
     {M, 2025, 11},
     QDate(2025, 12, 22),
     1,
     DueState::Due},
    {"December goes to January of the next year",
     {M, 2024, 12},
     QDate(2025, 2, 3),
     {M, 2025, 1},
     QDate(2025, 2, 20),
     17,
     DueState::Due},
    {"November's return is due in December",
     {M, 2024, 11},
     QDate(2025, 1, 2),
     {M, 2024, 12},
     QDate(2025, 1, 20),
     18,
     DueState::Due},
    {"many months behind",
     {M, 2023, 1},
     QDate(2025, 1, 1),
     {M, 2023, 2},
     QDate(2023, 3, 20),
     -653,
     DueState::Late},
    // Quarterly. 2025-07-20 is a Sunday, 2026-01-20 a Tuesday.
    {"quarter running",
     {Q, 2025, 1},
     QDate(2025, 5, 15),
     {Q, 2025, 2},
     QDate(2025, 7, 21),
     67,
     DueState::Stored},
    {"quarter ended",
     {Q, 2025, 1},
     QDate(2025, 7, 1),
     {Q, 2025, 2},
     QDate(2025, 7, 21),
     20,
     DueState::Due},
    {"fourth quarter is due in January",
     {Q, 2025, 3},
     QDate(2026, 1, 5),
     {Q, 2025, 4},
     QDate(2026, 1, 20),
     15,
     DueState::Due},
    {"fourth quarter goes to the first of the next year",
     {Q, 2024, 4},
     QDate(2025, 4, 25),
     {Q, 2025, 1},
     QDate(2025, 4, 21),
     -4,
     DueState::Late},
    // Annual. 2026-01-20 is a Tuesday; 2024-01-20 a Saturday.
    {"year running",
     {A, 2024, 0},
     QDate(2025, 6, 1),
     {A, 2025, 0},
     QDate(2026, 1, 20),
     233,
     DueState::Stored},
    {"year ended",
     {A, 2024, 0},
     QDate(2026, 1, 2),
     {A, 2025, 0},
     QDate(2026, 1, 20),
     18,
     DueState::Due},
    {"annual return late",
     {A, 2022, 0},
     QDate(2024, 2, 1),
     {A, 2023, 0},
     QDate(2024, 1, 22),
     -10,
     DueState::Late},
};

TEST(DueStatus, FollowsTheBoardRules) {
    for (const BoardRule& rule : kRules) {
        SCOPED_TRACE(rule.what);
        const DueStatus status = dueStatus(rule.last, rule.today);
        EXPECT_EQ(status.next, rule.next);
        EXPECT_EQ(status.dueDate, rule.due) << status.dueDate.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(status.daysLeft, rule.daysLeft);
        EXPECT_EQ(status.state, rule.state) << stateName(status.state).toStdString();
    }
}

TEST(DueStatus, WithoutAStoredPeriodNothingIsStarted) {
    for (const std::optional<FilingPeriod>& last :
         {std::optional<FilingPeriod>(), std::optional(FilingPeriod{M, 2025, 13})}) {
        const DueStatus status = dueStatus(last, QDate(2025, 5, 1));
        EXPECT_EQ(status.state, DueState::NotStarted);
        EXPECT_FALSE(status.dueDate.isValid());
        EXPECT_EQ(daysText(status), QString());
        EXPECT_EQ(stateName(status.state), "Not started");
    }
}

TEST(DueStatus, DueThisMonthCountsOpenReturnsWhoseDateFallsInTheMonth) {
    const QDate today(2025, 4, 25);
    // March is due on Monday April 21 (late by now), February on March 20 (late, last month),
    // April is still running (stored).
    EXPECT_TRUE(isDueThisMonth(dueStatus(FilingPeriod{M, 2025, 2}, today), today));
    EXPECT_FALSE(isDueThisMonth(dueStatus(FilingPeriod{M, 2025, 1}, today), today));
    EXPECT_FALSE(isDueThisMonth(dueStatus(FilingPeriod{M, 2025, 3}, today), today));
    const QDate early(2025, 4, 2);
    EXPECT_TRUE(isDueThisMonth(dueStatus(FilingPeriod{M, 2025, 2}, early), early));
}

TEST(DueStatus, DaysAreSaidInWords) {
    DueStatus status;
    status.state = DueState::Due;
    const std::pair<int, const char*> texts[] = {{0, "due today"},
                                                 {1, "1 day left"},
                                                 {12, "12 days left"},
                                                 {-1, "1 day late"},
                                                 {-30, "30 days late"}};
    for (const auto& [days, text] : texts) {
        status.daysLeft = days;
        EXPECT_EQ(daysText(status), QLatin1String(text));
    }
}
} // namespace
