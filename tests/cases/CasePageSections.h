#pragma once

#include "forms/PageEntry.h"
#include "forms/filling/FilledForm.h"

#include <QJsonObject>
#include <QJsonValue>
#include <optional>

// The page sections of the case formats, read back from filled forms.
namespace CasePageSections {
// The text now in each field of the page; keys whose placeholder the image lacks are left out.
QJsonObject fieldTexts(const FilledForm& form);
// The text of each field in the image of a generated page the form was made into.
QJsonObject pageFields(const FilledForm& form, const PageEntry& page);
QJsonValue keyOrNull(std::optional<int> key);
// {ok, failedKey, fields} of a form filled with the result `ok`; null when it was not filled.
QJsonValue pageSection(const FilledForm& form, std::optional<bool> ok);
// Whether an expected page section tells of a failed fill (`result` not 0 or `ok` false).
bool pageFailed(const QJsonObject& page);
// An expected page section without the fields of a fill it expects to fail: those written
// before the failure depend on the write order.
QJsonValue withoutFailedFields(const QJsonValue& section);
} // namespace CasePageSections
