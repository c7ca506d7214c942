#pragma once

#include "returns/ReturnPeriod.h"

#include <QDate>
#include <QString>

// The liability period boxes of ST-4 and ST-8. A period without a valid choice (an annual
// return without a selected year) gives empty texts, so the boxes stay blank.
struct PeriodBoxes {
    QString from;
    QString through;
};

namespace FormPeriods {
// ST-4: " MM  DD   YYYY" from the first day of the period's first month through the last day of
// its last month; an annual return covers January to December of the selected year.
PeriodBoxes st4Period(const ReturnPeriod& period, QDate today);
// ST-8, reported by quarter: " MM   YYYY" of the first and last month of the quarter that
// holds the period's last month (the fourth quarter of the selected year for an annual
// return).
PeriodBoxes st8Period(const ReturnPeriod& period, QDate today);
} // namespace FormPeriods
