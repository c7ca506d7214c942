#include "returns/schedule/DueStatus.h"

DueStatus dueStatus(const std::optional<FilingPeriod>& last, QDate today) {
    DueStatus status;
    if (!last || !last->isValid())
        return status;
    status.next = nextPeriod(*last);
    status.dueDate = paymentDueDate(status.next);
    status.daysLeft = int(today.daysTo(status.dueDate));
    if (today <= lastDayOf(status.next))
        status.state = DueState::Stored;
    else
        status.state = status.daysLeft >= 0 ? DueState::Due : DueState::Late;
    return status;
}

bool isDueThisMonth(const DueStatus& status, QDate today) {
    const bool open = status.state == DueState::Due || status.state == DueState::Late;
    return open && status.dueDate.year() == today.year() && status.dueDate.month() == today.month();
}

QString stateName(DueState state) {
    switch (state) {
    case DueState::Stored:
        return QStringLiteral("Stored");
    case DueState::Due:
        return QStringLiteral("Due");
    case DueState::Late:
        return QStringLiteral("Late");
    default:
        return QStringLiteral("Not started");
    }
}

QString daysText(const DueStatus& status) {
    if (status.state == DueState::NotStarted)
        return {};
    const int days = status.daysLeft;
    if (days == 0)
        return QStringLiteral("due today");
    const int count = days < 0 ? -days : days;
    const QString unit = count == 1 ? QStringLiteral("day") : QStringLiteral("days");
    return QStringLiteral("%1 %2 %3")
        .arg(count)
        .arg(unit, days < 0 ? QStringLiteral("late") : QStringLiteral("left"));
}
