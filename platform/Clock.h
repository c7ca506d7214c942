#pragma once

#include <QDate>
#include <QDateTime>

// The one source of "now" for the whole program. Everything that depends on today's date
// (rate sets, liability periods, signature dates, history entries, update checks) asks this
// clock, so tests can pin the date with setFixed() and get repeatable results.
class Clock {
public:
    static QDate today();
    static QDateTime now();
    // Seconds since 1 January 1970 (UTC).
    static qint64 secondsSinceEpoch();

    // Pins the clock to the given local date and time; a null QDateTime releases it.
    static void setFixed(const QDateTime& fixedNow);
    static void setFixedDate(QDate date) { setFixed(QDateTime(date, QTime(12, 0))); }
    static void release() { setFixed(QDateTime()); }
};
