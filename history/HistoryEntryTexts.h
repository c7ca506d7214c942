#pragma once

#include "returns/ReturnSummary.h"

#include <QDateTime>
#include <QString>

// The six texts a history entry is listed with: when it was stored and four ST-1 amounts.
struct HistoryEntryTexts {
    QString returnDate;    // "3-5-2005": month-day-year, no zero padding
    QString returnTime;    // "2:7 PM": hours above 12 lose 12 and say PM, others say AM
    QString totalReceipts; // the amounts as groupThousands texts
    QString deductions;
    QString taxableReceipts;
    QString paymentDue;
};

QString historyDateText(const QDate& date);
// 12:05 is "12:5 AM" and 00:30 "0:30 AM": only hours after 12 count as PM.
QString historyTimeText(const QTime& time);
// The texts of an entry stored at `storedAt` for a return with this summary.
HistoryEntryTexts historyEntryTexts(const QDateTime& storedAt, const ReturnSummary& summary);
