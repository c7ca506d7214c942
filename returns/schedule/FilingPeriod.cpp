#include "returns/schedule/FilingPeriod.h"

#include "returns/LiabilityPeriod.h"

#include <QLocale>

namespace {
constexpr int kMonthsPerQuarter = 3;
constexpr int kFormDueDay = 20;

int lastMonthOf(const FilingPeriod& period) {
    switch (period.type) {
    case kMonthlyPeriod:
        return period.number;
    case kQuarterlyPeriod:
        return period.number * kMonthsPerQuarter;
    default:
        return 12;
    }
}

int firstMonthOf(const FilingPeriod& period) {
    switch (period.type) {
    case kMonthlyPeriod:
        return period.number;
    case kQuarterlyPeriod:
        return period.number * kMonthsPerQuarter - 2;
    default:
        return 1;
    }
}

// The year the period page's July-December (and third and fourth quarter) entries carry.
int secondHalfListYear(QDate today) {
    return today.month() <= 6 ? today.year() - 1 : today.year();
}

bool inFirstHalf(const FilingPeriod& period) {
    return lastMonthOf(period) <= 6;
}
} // namespace

bool FilingPeriod::isValid() const {
    if (year < 1 || year > 9999)
        return false;
    switch (type) {
    case kMonthlyPeriod:
        return number >= 1 && number <= 12;
    case kQuarterlyPeriod:
        return number >= 1 && number <= 4;
    case kAnnualPeriod:
        return number == 0;
    default:
        return false;
    }
}

bool FilingPeriod::endsBefore(const FilingPeriod& other) const {
    return lastDayOf(*this) < lastDayOf(other);
}

std::optional<FilingPeriod> filingPeriodOf(const ReturnPeriod& choice, QDate today) {
    if (!isValidPeriod(choice))
        return std::nullopt;
    switch (choice.periodType) {
    case kMonthlyPeriod:
        return FilingPeriod{kMonthlyPeriod, periodYear(choice, today), choice.monthIndex + 1};
    case kQuarterlyPeriod:
        return FilingPeriod{kQuarterlyPeriod, periodYear(choice, today), choice.quarterIndex + 1};
    default:
        return FilingPeriod{kAnnualPeriod, yearOfIndex(choice.yearIndex, today), 0};
    }
}

std::optional<ReturnPeriod> periodChoiceFor(const FilingPeriod& period, int onTime, QDate today) {
    if (!period.isValid())
        return std::nullopt;
    const PeriodChoices lists = periodChoices(today);
    ReturnPeriod choice;
    choice.onTime = onTime;
    choice.periodType = period.type;
    choice.monthIndex = lists.defaultMonth;
    choice.quarterIndex = lists.defaultQuarter;
    choice.yearIndex = lists.defaultYear;
    if (period.type == kAnnualPeriod) {
        choice.yearIndex = period.year - yearOfIndex(0, today);
        if (choice.yearIndex < 0 || choice.yearIndex >= kYearChoices)
            return std::nullopt;
    } else {
        const int listYear = inFirstHalf(period) ? today.year() : secondHalfListYear(today);
        if (period.year != listYear)
            return std::nullopt;
        if (period.type == kMonthlyPeriod)
            choice.monthIndex = period.number - 1;
        else
            choice.quarterIndex = period.number - 1;
    }
    applyPeriodChoice(choice, today);
    return choice;
}

FilingPeriod nextPeriod(const FilingPeriod& period) {
    const int count = period.type == kMonthlyPeriod ? 12 : period.type == kQuarterlyPeriod ? 4 : 0;
    if (count == 0 || period.number == count)
        return {period.type, period.year + 1, count == 0 ? 0 : 1};
    return {period.type, period.year, period.number + 1};
}

QDate firstDayOf(const FilingPeriod& period) {
    return QDate(period.year, firstMonthOf(period), 1);
}

QDate lastDayOf(const FilingPeriod& period) {
    const QDate first(period.year, lastMonthOf(period), 1);
    return first.addDays(first.daysInMonth() - 1);
}

QDate formDueDate(const FilingPeriod& period) {
    const QDate monthAfter = lastDayOf(period).addDays(1);
    return QDate(monthAfter.year(), monthAfter.month(), kFormDueDay);
}

QDate paymentDueDate(const FilingPeriod& period) {
    const QDate due = formDueDate(period);
    switch (due.dayOfWeek()) {
    case Qt::Saturday:
        return due.addDays(2);
    case Qt::Sunday:
        return due.addDays(1);
    default:
        return due;
    }
}

QString periodLabel(const FilingPeriod& period) {
    switch (period.type) {
    case kMonthlyPeriod:
        return QStringLiteral("%1 %2")
            .arg(QLocale::c().monthName(period.number, QLocale::ShortFormat))
            .arg(period.year);
    case kQuarterlyPeriod:
        return QStringLiteral("Q%1 %2").arg(period.number).arg(period.year);
    default:
        return QString::number(period.year);
    }
}

QString frequencyName(int periodType) {
    switch (periodType) {
    case kMonthlyPeriod:
        return QStringLiteral("Monthly");
    case kQuarterlyPeriod:
        return QStringLiteral("Quarterly");
    default:
        return QStringLiteral("Annual");
    }
}
