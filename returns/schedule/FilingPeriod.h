#pragma once

#include "returns/ReturnPeriod.h"

#include <QDate>
#include <QString>
#include <optional>

// A liability period by its own calendar: a month or a quarter of a year, or a whole year. The
// period page's list positions (ReturnPeriod) depend on the day the return is prepared; this
// does not, so it is what a stored return keeps and what the next period is derived from.
struct FilingPeriod {
    int type = kMonthlyPeriod; // kMonthlyPeriod, kQuarterlyPeriod or kAnnualPeriod
    int year = 0;
    int number = 0; // month 1..12, quarter 1..4, 0 for a year

    bool operator==(const FilingPeriod&) const = default;
    bool isValid() const;
    // Earlier periods first; periods of different types compare by their last day.
    bool endsBefore(const FilingPeriod& other) const;
};

// The period a period page choice stands for on `today` (the day it was chosen). Nothing for a
// choice outside the lists.
std::optional<FilingPeriod> filingPeriodOf(const ReturnPeriod& choice, QDate today);

// The period page's choice for `period` on `today`, completed as the page completes it (date
// rule, prior year). Nothing when the page's lists do not offer that period on that day.
std::optional<ReturnPeriod> periodChoiceFor(const FilingPeriod& period, int onTime, QDate today);

// The period after: the next month, quarter or year (December goes to January of the next year).
FilingPeriod nextPeriod(const FilingPeriod& period);

QDate firstDayOf(const FilingPeriod& period);
QDate lastDayOf(const FilingPeriod& period);
// The 20th of the month after the period ends, as the forms print it.
QDate formDueDate(const FilingPeriod& period);
// When the payment is really due: the form's due date, or the Monday after when it falls on a
// Saturday or Sunday.
QDate paymentDueDate(const FilingPeriod& period);

// "Mar 2025", "Q1 2025" or "2025".
QString periodLabel(const FilingPeriod& period);
// "Monthly", "Quarterly" or "Annual".
QString frequencyName(int periodType);
