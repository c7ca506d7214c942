#pragma once

#include "returns/ReturnRecord.h"

#include <QDate>
#include <QJsonObject>
#include <string>

// Builds the return of a full-return case (`input` of the case format) the way the "New
// Return" command and the wizard leave it before the summary page computes: the clock pinned
// to the case's day, the record reset and computed once empty, the client copied, the period
// completed as the period page completes it, every page's amounts stored as that page stores
// them, and the motor fuel items computed when the fuel page was shown. The clock stays
// pinned; callers release it.
namespace ReturnCaseInput {
// Case texts carry one byte per UTF-16 code unit.
std::string bytesOf(const QJsonValue& value);
QDate today(const QJsonObject& input);
// The period as the period page completes it on the case's day.
ReturnPeriod period(const QJsonObject& input);
ClientRecord client(const QJsonObject& clientJson);
MotorFuelProfile motorFuel(const QJsonObject& json);
void build(const QJsonObject& input, ReturnRecord& record);
} // namespace ReturnCaseInput
