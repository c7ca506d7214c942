#include "ForEachReturnCase.h"

#include "support/JsonCases.h"
#include "support/TestPaths.h"

#include <QFileInfo>
#include <QJsonArray>
#include <gtest/gtest.h>

namespace {
bool isMultiSite(const QJsonObject& testCase) {
    return testCase[QStringLiteral("input")][QStringLiteral("client")][QStringLiteral("multiSite")]
               .toInt() == 1;
}

// Runs `check` on the cases of one kind in the shared file `sharedName`, tests/data/returns
// and VANTROBE_CASES_DIR, and returns how many it checked.
int forEachCaseOfKind(const char* sharedName, bool multiSite, const CaseCheck& check) {
    const QString shared = TestPaths::shared(QLatin1String(sharedName));
    EXPECT_TRUE(QFileInfo::exists(shared)) << "missing " << shared.toStdString();
    const QStringList files = JsonCases::caseFiles(
        shared, TestPaths::testData(QStringLiteral("returns")), "VANTROBE_CASES_DIR");
    int checked = 0;
    for (const QString& file : files) {
        const QJsonArray cases = JsonCases::readArray(file);
        EXPECT_FALSE(cases.isEmpty()) << "no cases in " << file.toStdString();
        for (const QJsonValue& testCase : cases) {
            if (isMultiSite(testCase.toObject()) != multiSite)
                continue;
            check(testCase.toObject(), file);
            ++checked;
        }
    }
    return checked;
}
} // namespace

void forEachReturnCase(const CaseCheck& check) {
    forEachCaseOfKind("cases/returns.json", false, check);
}

int forEachMultiSiteCase(const CaseCheck& check) {
    return forEachCaseOfKind("cases/multisite.json", true, check);
}

std::string caseLabel(const QString& file, const QJsonObject& testCase) {
    return QFileInfo(file).fileName().toStdString() + ": case \"" +
           testCase[QStringLiteral("name")].toString().toStdString() + "\"";
}

void reportCaseDifference(const QString& file, const QJsonObject& testCase,
                          const std::optional<JsonFirstDifference::Difference>& difference) {
    if (difference)
        ADD_FAILURE() << QFileInfo(file).fileName().toStdString() << ": case \""
                      << testCase[QStringLiteral("name")].toString().toStdString()
                      << "\": " << difference->path.toStdString() << ": expected "
                      << difference->expected.toStdString() << ", actual "
                      << difference->actual.toStdString();
}
