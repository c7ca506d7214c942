#pragma once

#include "returns/ReturnRecord.h"

#include <QJsonObject>

// What the preparer entered for one return (or one location), as named sections: "period"
// {onTime, periodType, monthIndex, quarterIndex, yearIndex} and "st1", "worksheet", "fuelSales",
// "st14", "st4", "st8" with the entered amounts, counts, methods and descriptions under the
// names of ReturnFields. The stored inputs of a return, the data export and the figure import
// read and write this shape.
namespace EnteredSections {
QJsonObject periodSection(const ReturnPeriod& period);
// The five choices of a period section; the rest of the period is completed by the caller
// (applyPeriodChoice) for the day it is prepared on.
ReturnPeriod periodChoice(const QJsonObject& section);

// The six entry sections of `record`.
QJsonObject entries(const ReturnRecord& record);
// Stores the six entry sections of `sections` in `record` as the wizard's pages store them: the
// whole-dollar pages round what was typed, a missing field is 0 or empty, and the motor fuel
// items are computed when the client sells motor fuel.
void storeEntries(const QJsonObject& sections, ReturnRecord& record);
} // namespace EnteredSections
