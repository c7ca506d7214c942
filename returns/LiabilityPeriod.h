#pragma once

#include "returns/ReturnPeriod.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The lists the period page offers, with the entries selected when the page opens. A list
// position is the matching index of ReturnPeriod.
struct PeriodChoices {
    QStringList months;   // "Jan,2005" ... "Dec,2004"
    QStringList quarters; // "1st Qrtr (Jan 1st - Mar 31st) ,2005 " ...
    QStringList years;    // the year three years back ... this year
    int defaultMonth = 0;
    int defaultQuarter = 0;
    int defaultYear = 0;
};

inline constexpr int kYearChoices = 4;
inline constexpr char kInvalidYearMessage[] = "Invalid Year";

// The period page's lists on `today`. January to June entries carry today's year; July to
// December entries carry the year before while today is in January to June (that half of the
// year is not over yet), else today's year.
PeriodChoices periodChoices(QDate today);

// Sets useDateRule and priorYear from the chosen type and entry, as the period page does when
// it is left: a period in the other half of the year than today takes the date rule, and a
// July-December period chosen in January-June belongs to the year before. An annual period
// always takes both.
void applyPeriodChoice(ReturnPeriod& period, QDate today);

// False when the chosen type or its list position is out of range, which for an annual
// return means no year was selected: the computation reports kInvalidYearMessage, and the
// period texts below are empty.
bool isValidPeriod(const ReturnPeriod& period);

// The year of a year-list position on `today` (today's year - 3 + index).
int yearOfIndex(int yearIndex, QDate today);

// The year of monthly and quarterly periods: today's year, or the year before when
// priorYear is set.
int periodYear(const ReturnPeriod& period, QDate today);

// "Mar 2005", "Jan 1 - Mar 31, 2005" or "Jan 1 - Dec 31 2003".
QString periodText(const ReturnPeriod& period, QDate today);
// The 20th of the month after the period: "Apr 20, 2005".
QString dueDateText(const ReturnPeriod& period, QDate today);
// The period's last month and year, MMYY: "0305", "1204".
QString periodCode(const ReturnPeriod& period, QDate today);
