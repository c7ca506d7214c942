#include "forms/filling/FormPeriods.h"

#include "forms/filling/FormTexts.h"
#include "returns/LiabilityPeriod.h"

#include <optional>

namespace {
constexpr int kMonthsPerQuarter = 3;

// The months (1-12) a period covers and the calendar year it lies in.
struct PeriodMonths {
    int first;
    int last;
    int year;
};

std::optional<PeriodMonths> periodMonths(const ReturnPeriod& period, QDate today) {
    if (!isValidPeriod(period))
        return std::nullopt;
    switch (period.periodType) {
    case kMonthlyPeriod:
        return PeriodMonths{period.monthIndex + 1, period.monthIndex + 1,
                            periodYear(period, today)};
    case kQuarterlyPeriod: {
        const int first = period.quarterIndex * kMonthsPerQuarter + 1;
        return PeriodMonths{first, first + kMonthsPerQuarter - 1, periodYear(period, today)};
    }
    default:
        return PeriodMonths{1, 12, yearOfIndex(period.yearIndex, today)};
    }
}
} // namespace

PeriodBoxes FormPeriods::st4Period(const ReturnPeriod& period, QDate today) {
    const std::optional<PeriodMonths> months = periodMonths(period, today);
    if (!months)
        return {};
    const int lastDay = QDate(months->year, months->last, 1).daysInMonth();
    return {cFormat(" %02d  %02d   %04d", months->first, 1, months->year),
            cFormat(" %02d  %02d   %04d", months->last, lastDay, months->year)};
}

PeriodBoxes FormPeriods::st8Period(const ReturnPeriod& period, QDate today) {
    const std::optional<PeriodMonths> months = periodMonths(period, today);
    if (!months)
        return {};
    const int quarterFirst = (months->last - 1) / kMonthsPerQuarter * kMonthsPerQuarter + 1;
    return {cFormat(" %02d   %04d", quarterFirst, months->year),
            cFormat(" %02d   %04d", quarterFirst + kMonthsPerQuarter - 1, months->year)};
}
