#include "history/ClientBoard.h"

#include <algorithm>

namespace {
QString frequencyText(const HistoryOverview& overview) {
    if (overview.latestPeriod)
        return frequencyName(overview.latestPeriod->type);
    return overview.hasHistory ? QStringLiteral("Not recorded")
                               : QStringLiteral("No return stored yet");
}

QString plural(int count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}
} // namespace

BoardRow boardRow(const BoardClient& client, const HistoryOverview& overview, QDate today) {
    BoardRow row;
    row.name = client.name;
    row.path = client.path;
    row.frequency = frequencyText(overview);
    if (overview.latestPeriod)
        row.lastPeriod = periodLabel(*overview.latestPeriod);
    row.lastPaymentDue = overview.lastPaymentDue;
    row.status = dueStatus(overview.latestPeriod, today);
    row.problem = overview.problems.join(QLatin1Char(' '));
    return row;
}

std::vector<BoardRow> readBoard(const std::vector<BoardClient>& clients, QDate today,
                                HistoryOverviewCache& histories) {
    std::vector<BoardRow> rows;
    std::vector<QString> paths;
    rows.reserve(clients.size());
    paths.reserve(clients.size());
    for (const BoardClient& client : clients) {
        rows.push_back(boardRow(client, histories.read(client.path), today));
        paths.push_back(client.path);
    }
    histories.keepOnly(paths);
    sortBoard(rows);
    return rows;
}

void sortBoard(std::vector<BoardRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const BoardRow& a, const BoardRow& b) {
        const bool aDated = a.status.dueDate.isValid();
        const bool bDated = b.status.dueDate.isValid();
        if (aDated != bDated)
            return aDated;
        if (aDated && a.status.dueDate != b.status.dueDate)
            return a.status.dueDate < b.status.dueDate;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
}

BoardCounts countBoard(const std::vector<BoardRow>& rows, QDate today) {
    BoardCounts counts;
    for (const BoardRow& row : rows) {
        counts.dueThisMonth += isDueThisMonth(row.status, today) ? 1 : 0;
        counts.late += row.status.state == DueState::Late ? 1 : 0;
    }
    return counts;
}

QString boardCountsText(const BoardCounts& counts) {
    return QStringLiteral("%1 due this month, %2 late.")
        .arg(plural(counts.dueThisMonth, "return", "returns"))
        .arg(counts.late);
}
