#pragma once

#include "forms/filling/FillContext.h"

#include <QJsonObject>

// The fill context of a full-return case (`input` of the case format): its vendor
// identification, date options and preparer. Case texts carry one byte per code unit, which is
// how the fills take them.
namespace ReturnCaseContext {
FillContext fillContext(const QJsonObject& input);
} // namespace ReturnCaseContext
