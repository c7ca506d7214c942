#include "history/ClientBoard.h"

#include <gtest/gtest.h>

namespace {
BoardRow rowFor(const char* name, std::optional<FilingPeriod> last, QDate today,
                bool hasHistory = true) {
    HistoryOverview overview;
    overview.hasHistory = hasHistory;
    overview.latestPeriod = last;
    return boardRow({QLatin1String(name), QLatin1String(name)}, overview, today);
}

TEST(ClientBoard, SortsByDueDateWithClientsWithoutAPeriodLast) {
    const QDate today(2025, 4, 25);
    std::vector<BoardRow> rows = {
        rowFor("Zephyr", std::nullopt, today, false),
        rowFor("annual", FilingPeriod{kAnnualPeriod, 2024, 0}, today),
        rowFor("Bakery", FilingPeriod{kMonthlyPeriod, 2025, 2}, today),
        rowFor("Acme", std::nullopt, today),
        rowFor("Quarterly", FilingPeriod{kQuarterlyPeriod, 2024, 4}, today),
        rowFor("Alpha", FilingPeriod{kMonthlyPeriod, 2025, 2}, today),
    };
    sortBoard(rows);
    QStringList order;
    for (const BoardRow& row : rows)
        order << row.name;
    // Q1 and March are both due on Monday April 21 (ties by name); 2025 is due in 2026.
    EXPECT_EQ(order, (QStringList{"Alpha", "Bakery", "Quarterly", "annual", "Acme", "Zephyr"}));
    EXPECT_EQ(rows[4].frequency, "Not recorded");
    EXPECT_EQ(rows[5].frequency, "No return stored yet");
    EXPECT_EQ(rows[0].frequency, "Monthly");
    EXPECT_EQ(rows[0].lastPeriod, "Feb 2025");
    const BoardCounts counts = countBoard(rows, today);
    EXPECT_EQ(counts.dueThisMonth, 3);
    EXPECT_EQ(counts.late, 3);
    EXPECT_EQ(boardCountsText(counts), "3 returns due this month, 3 late.");
    EXPECT_EQ(boardCountsText({1, 0}), "1 return due this month, 0 late.");
}
} // namespace
