#pragma once

#include "history/HistoryOverviewCache.h"
#include "history/ReturnInputsTable.h"
#include "returns/schedule/DueStatus.h"

#include <QDate>
#include <QString>
#include <vector>

// The practice board: one row per client with its filing frequency, the last stored period,
// the next period with its due date, the days left or late, the last payment due and the state.
struct BoardClient {
    QString name; // as the client list shows it
    QString path; // the client file
};

struct BoardRow {
    QString name;
    QString path;
    QString frequency;      // "Monthly" ..., or why there is none
    QString lastPeriod;     // "Feb 2025"; empty without a stored period
    QString lastPaymentDue; // the history's text ("1,234"); empty without history
    DueStatus status;
    QString problem; // damaged inputs or an unreadable history, as sentences
};

// The row of `client` on `today` from its history overview.
BoardRow boardRow(const BoardClient& client, const HistoryOverview& overview, QDate today);

// Reads every client's history through `histories` (a history unchanged since it last read it
// is not opened again), which then keeps these clients' overviews only, and gives the rows
// sorted by due date: the earliest first, clients without a stored period last, ties by name.
std::vector<BoardRow> readBoard(const std::vector<BoardClient>& clients, QDate today,
                                HistoryOverviewCache& histories);
void sortBoard(std::vector<BoardRow>& rows);

struct BoardCounts {
    int dueThisMonth = 0;
    int late = 0;
};
BoardCounts countBoard(const std::vector<BoardRow>& rows, QDate today);
// "3 returns due this month, 1 late."
QString boardCountsText(const BoardCounts& counts);
