#pragma once

#include <QJsonObject>
#include <QString>

// Stores a full-return case as one entry of a history file, as the wizard's Finish stores it:
// the pages "Preview Return" generates and the return's inputs, dated the case's `today`.
// Multi-site cases are prepared location by location and combined first.
namespace CaseHistory {
// Empty on success, else what failed.
QString store(const QJsonObject& testCase, const QString& historyPath);
} // namespace CaseHistory
