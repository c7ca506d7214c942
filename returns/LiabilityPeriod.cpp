#include "returns/LiabilityPeriod.h"

#include <array>

namespace {
constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 4> kQuarterEntries = {
    "1st Qrtr (Jan 1st - Mar 31st) ,", "2nd Qrtr (Apr 1st - Jun 30th) ,",
    "3rd Qrtr (Jul 1st - Sep 30th) ,", "4th Qrtr (Oct 1st - Dec 31st) ,"};
constexpr std::array<const char*, 4> kQuarterTexts = {"Jan 1 - Mar 31,", "Apr 1 - Jun 30,",
                                                      "Jul 1 - Sep 30,", "Oct 1 - Dec 31,"};
constexpr int kMonthsPerQuarter = 3;
constexpr int kFirstHalfMonths = 6;
constexpr int kFirstYearBack = kYearChoices - 1;

bool inFirstHalf(int monthIndex) {
    return monthIndex < kFirstHalfMonths;
}

bool todayInFirstHalf(QDate today) {
    return inFirstHalf(today.month() - 1);
}

// The year the July-December entries of the lists carry.
int secondHalfListYear(QDate today) {
    return todayInFirstHalf(today) ? today.year() - 1 : today.year();
}

bool inRange(int index, int count) {
    return index >= 0 && index < count;
}

// The period's last month, 0 January ... 11 December.
int lastMonthIndex(const ReturnPeriod& period) {
    switch (period.periodType) {
    case kMonthlyPeriod:
        return period.monthIndex;
    case kQuarterlyPeriod:
        return period.quarterIndex * kMonthsPerQuarter + kMonthsPerQuarter - 1;
    default:
        return 11;
    }
}

// The calendar year the period lies in.
int calendarYear(const ReturnPeriod& period, QDate today) {
    return period.periodType == kAnnualPeriod ? yearOfIndex(period.yearIndex, today)
                                              : periodYear(period, today);
}

// The half of the year a monthly or quarterly choice falls in.
bool choiceInFirstHalf(const ReturnPeriod& period) {
    return period.periodType == kMonthlyPeriod ? inFirstHalf(period.monthIndex)
                                               : period.quarterIndex < 2;
}
} // namespace

PeriodChoices periodChoices(QDate today) {
    PeriodChoices choices;
    const int laterYear = secondHalfListYear(today);
    for (int month = 0; month < 12; ++month) {
        const int year = inFirstHalf(month) ? today.year() : laterYear;
        choices.months << QStringLiteral("%1,%2").arg(QLatin1String(kMonthNames[month])).arg(year);
    }
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int year = quarter < 2 ? today.year() : laterYear;
        choices.quarters
            << QStringLiteral("%1%2 ").arg(QLatin1String(kQuarterEntries[quarter])).arg(year);
    }
    for (int index = 0; index < kYearChoices; ++index)
        choices.years << QString::number(yearOfIndex(index, today));
    choices.defaultMonth = today.month() - 1;
    choices.defaultQuarter = (today.month() - 1) / kMonthsPerQuarter;
    choices.defaultYear = kFirstYearBack;
    return choices;
}

void applyPeriodChoice(ReturnPeriod& period, QDate today) {
    if (period.periodType == kAnnualPeriod) {
        period.useDateRule = 1;
        period.priorYear = 1;
        return;
    }
    const bool nowFirstHalf = todayInFirstHalf(today);
    const bool sameHalf = choiceInFirstHalf(period) == nowFirstHalf;
    period.useDateRule = sameHalf ? 0 : 1;
    period.priorYear = !sameHalf && nowFirstHalf ? 1 : 0;
}

bool isValidPeriod(const ReturnPeriod& period) {
    switch (period.periodType) {
    case kMonthlyPeriod:
        return inRange(period.monthIndex, 12);
    case kQuarterlyPeriod:
        return inRange(period.quarterIndex, 4);
    case kAnnualPeriod:
        return inRange(period.yearIndex, kYearChoices);
    default:
        return false;
    }
}

int yearOfIndex(int yearIndex, QDate today) {
    return today.year() - kFirstYearBack + yearIndex;
}

int periodYear(const ReturnPeriod& period, QDate today) {
    return period.priorYear == 1 ? today.year() - 1 : today.year();
}

QString periodText(const ReturnPeriod& period, QDate today) {
    if (!isValidPeriod(period))
        return {};
    switch (period.periodType) {
    case kMonthlyPeriod:
        return QStringLiteral("%1 %2")
            .arg(QLatin1String(kMonthNames[period.monthIndex]))
            .arg(periodYear(period, today));
    case kQuarterlyPeriod:
        return QStringLiteral("%1 %2")
            .arg(QLatin1String(kQuarterTexts[period.quarterIndex]))
            .arg(periodYear(period, today));
    default:
        return QStringLiteral("Jan 1 - Dec 31 %1").arg(yearOfIndex(period.yearIndex, today));
    }
}

QString dueDateText(const ReturnPeriod& period, QDate today) {
    if (!isValidPeriod(period))
        return {};
    const int lastMonth = lastMonthIndex(period);
    const int year = calendarYear(period, today);
    const bool nextYear = lastMonth == 11;
    return QStringLiteral("%1 20, %2")
        .arg(QLatin1String(kMonthNames[(lastMonth + 1) % 12]))
        .arg(nextYear ? year + 1 : year);
}

QString periodCode(const ReturnPeriod& period, QDate today) {
    if (!isValidPeriod(period))
        return {};
    return QStringLiteral("%1%2")
        .arg(lastMonthIndex(period) + 1, 2, 10, QLatin1Char('0'))
        .arg(calendarYear(period, today) % 100, 2, 10, QLatin1Char('0'));
}
