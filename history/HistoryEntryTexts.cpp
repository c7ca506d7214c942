#include "history/HistoryEntryTexts.h"

#include "returns/GroupThousands.h"

QString historyDateText(const QDate& date) {
    return QStringLiteral("%1-%2-%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QString historyTimeText(const QTime& time) {
    const bool afternoon = time.hour() > 12;
    const int hour = afternoon ? time.hour() - 12 : time.hour();
    return QStringLiteral("%1:%2 %3")
        .arg(hour)
        .arg(time.minute())
        .arg(afternoon ? QStringLiteral("PM") : QStringLiteral("AM"));
}

HistoryEntryTexts historyEntryTexts(const QDateTime& storedAt, const ReturnSummary& summary) {
    return {historyDateText(storedAt.date()),
            historyTimeText(storedAt.time()),
            groupThousands(summary.summaryTotalReceipts),
            groupThousands(summary.summaryDeductions),
            groupThousands(summary.summaryTaxableReceipts),
            groupThousands(summary.summaryPaymentDue)};
}
