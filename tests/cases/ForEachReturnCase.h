#pragma once

#include "JsonFirstDifference.h"

#include <QJsonObject>
#include <QString>
#include <functional>
#include <string>

using CaseCheck = std::function<void(const QJsonObject& testCase, const QString& file)>;

// Runs `check` on every single-site full-return case: those of the shared returns.json, of
// tests/data/returns and of the folder named by VANTROBE_CASES_DIR, each with the file it
// came from. Multi-site cases (input.client.multiSite 1) in the same files are passed over.
// Fails when the shared file is missing or a file holds no cases.
void forEachReturnCase(const CaseCheck& check);

// The same for the multi-site cases: those of the shared multisite.json and the multi-site
// cases of the other files. Returns how many it checked.
int forEachMultiSiteCase(const CaseCheck& check);

// "returns.json: case \"random return 7\"", to say which case a check was about.
std::string caseLabel(const QString& file, const QJsonObject& testCase);

// Fails the current test with the case's file, name and first difference, if there is one.
void reportCaseDifference(const QString& file, const QJsonObject& testCase,
                          const std::optional<JsonFirstDifference::Difference>& difference);
