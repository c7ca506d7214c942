#pragma once

#include "returns/schedule/FilingPeriod.h"

#include <QDate>
#include <QString>
#include <optional>

// Where a client stands with its returns on a given day, judged by the last period stored.
enum class DueState {
    Stored,     // every period that has ended is stored: the next one is still running
    Due,        // the next period has ended and its payment is not due yet (or due today)
    Late,       // the next period's payment date has passed
    NotStarted, // no stored period: the board cannot tell
};

struct DueStatus {
    DueState state = DueState::NotStarted;
    FilingPeriod next; // the period after the last stored one
    QDate dueDate;     // its payment due date, the weekend rule applied
    int daysLeft = 0;  // from today to the due date; negative once it has passed
};

// The status on `today` of a client whose last stored period is `last`.
DueStatus dueStatus(const std::optional<FilingPeriod>& last, QDate today);

// Whether the status counts as due this month: not stored, and its due date falls in the month
// of `today` (late ones of this month included).
bool isDueThisMonth(const DueStatus& status, QDate today);

// "Stored", "Due", "Late" or "Not started".
QString stateName(DueState state);
// "12 days left", "due today", "1 day late"; empty without a due date.
QString daysText(const DueStatus& status);
