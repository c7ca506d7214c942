// Full returns: every case of the shared returns.json, of tests/data/returns and of the
// folder named by VANTROBE_CASES_DIR is built as the wizard leaves it, computed as the
// summary page computes it, and its calculation sections compared with `expected`. The page
// sections are checked by the form filling's own runner. Each return is also stored with its
// inputs, which must read back as the case's input sections.
#include "ForEachReturnCase.h"
#include "ReturnCaseInput.h"
#include "ReturnCaseResults.h"
#include "StoredInputsCheck.h"
#include "platform/Clock.h"
#include "returns/ReturnCalculation.h"

#include <gtest/gtest.h>
#include <memory>

namespace {
void checkCase(const QJsonObject& testCase, const QString& file) {
    auto record = std::make_unique<ReturnRecord>();
    ReturnCaseInput::build(testCase[QStringLiteral("input")].toObject(), *record);
    record->summary = ReturnSummary(); // the summary page zeroes it before computing
    const int status = computeAll(*record);
    const QJsonObject actual = ReturnCaseResults::calculationSections(*record, status);
    StoredInputsCheck::singleSite(*record, testCase[QStringLiteral("input")].toObject(),
                                  file + QStringLiteral(": ") +
                                      testCase[QStringLiteral("name")].toString());
    Clock::release();
    reportCaseDifference(
        file, testCase,
        JsonFirstDifference::find(ReturnCaseResults::expectedCalculationSections(
                                      testCase[QStringLiteral("expected")].toObject()),
                                  actual));
}
} // namespace

TEST(ReturnCases, CalculationsMatchEveryCase) {
    forEachReturnCase(checkCase);
}
