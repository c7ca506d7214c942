#pragma once

#include <QJsonObject>
#include <QString>

struct LocationResults;
struct ReturnRecord;

// The stored inputs of a case: the return is stored with its inputs in a history file of its
// own, as the wizard's Finish stores it, and the inputs read back must give the input sections
// of the case as the wizard's pages store them, and the period chosen. Failures name `where`.
namespace StoredInputsCheck {
void singleSite(const ReturnRecord& record, const QJsonObject& input, const QString& where);
void multiSite(const ReturnRecord& combined, const LocationResults& locations,
               const QJsonObject& input, const QString& where);
} // namespace StoredInputsCheck
