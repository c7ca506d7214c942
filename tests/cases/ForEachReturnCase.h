#pragma once

#include "JsonFirstDifference.h"

#include <QJsonObject>
#include <QString>
#include <functional>

// Runs `check` on every full-return case: those of the shared returns.json, of
// tests/data/returns and of the folder named by VANTROBE_CASES_DIR, each with the file it
// came from. Fails when the shared file is missing or a file holds no cases.
void forEachReturnCase(
    const std::function<void(const QJsonObject& testCase, const QString& file)>& check);

// Fails the current test with the case's file, name and first difference, if there is one.
void reportCaseDifference(const QString& file, const QJsonObject& testCase,
                          const std::optional<JsonFirstDifference::Difference>& difference);
