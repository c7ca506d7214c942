#include "ForEachReturnCase.h"

#include "support/JsonCases.h"
#include "support/TestPaths.h"

#include <QFileInfo>
#include <QJsonArray>
#include <gtest/gtest.h>

void forEachReturnCase(
    const std::function<void(const QJsonObject& testCase, const QString& file)>& check) {
    const QString shared = TestPaths::shared(QStringLiteral("cases/returns.json"));
    ASSERT_TRUE(QFileInfo::exists(shared)) << "missing " << shared.toStdString();
    const QStringList files = JsonCases::caseFiles(
        shared, TestPaths::testData(QStringLiteral("returns")), "VANTROBE_CASES_DIR");
    for (const QString& file : files) {
        const QJsonArray cases = JsonCases::readArray(file);
        EXPECT_FALSE(cases.isEmpty()) << "no cases in " << file.toStdString();
        for (const QJsonValue& testCase : cases)
            check(testCase.toObject(), file);
    }
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
