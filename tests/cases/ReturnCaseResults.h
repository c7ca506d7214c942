#pragma once

#include "returns/ReturnRecord.h"

#include <QJsonObject>

// The calculation sections of the full-return case format (period ... summary) for a record
// that computeAll has computed with `st1Status`, under the case's pinned clock.
namespace ReturnCaseResults {
QJsonObject calculationSections(const ReturnRecord& record, int st1Status);
// The same sections of a case's `expected`.
QJsonObject expectedCalculationSections(const QJsonObject& expected);
} // namespace ReturnCaseResults
