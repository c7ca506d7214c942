// Full returns, the filled pages: every case of the shared returns.json, of tests/data/returns
// and of the folder named by VANTROBE_CASES_DIR is built and computed as the summary page
// leaves it, then every form is filled as the preview generation fills it, and each page
// section of `expected` is compared with the field texts read back from the page images.
// A case without a page section skips it. When a fill fails, only its result and the failed
// key are compared: the fields written before the failure depend on the write order.
#include "CasePageSections.h"
#include "ForEachReturnCase.h"
#include "ReturnCaseContext.h"
#include "ReturnCaseInput.h"
#include "forms/filling/FormSet.h"
#include "forms/filling/ReturnForms.h"
#include "forms/filling/ScanLine.h"
#include "platform/Clock.h"
#include "returns/ReturnCalculation.h"
#include "returns/St1Calculation.h"
#include "support/CommaLocale.h"
#include "support/LoadedForms.h"

#include <gtest/gtest.h>
#include <memory>

namespace {
using namespace CasePageSections;

const char* const kPageSections[] = {"scanLines", "st1Page1", "st1Page2",   "st14Page",
                                     "st4Page",   "st8Page",  "gasoholPage"};

QJsonValue textOrNull(const QString& text) {
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QJsonObject st1Page1Section(const St1Form& form, int result) {
    const bool filled = result != kSt1BasesDoNotAddUp;
    return {{QStringLiteral("result"), result},
            {QStringLiteral("failedKey"), keyOrNull(form.failedKey())},
            {QStringLiteral("fields"),
             filled ? QJsonValue(fieldTexts(form)) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("st1ScanLine"), textOrNull(form.st1ScanLine())},
            {QStringLiteral("st14ScanLine"), textOrNull(form.st14ScanLine())}};
}

QJsonObject pageSections(const FormSet& set, const ReturnFormResults& results,
                         const ReturnRecord& record, int vendorId) {
    const QString& periodCode = record.texts.periodCode;
    return {{QStringLiteral("scanLines"),
             QJsonObject{{QStringLiteral("st1"),
                          ScanLine::build(ScanLine::kSt1FormCode, periodCode, vendorId)},
                         {QStringLiteral("st14"),
                          ScanLine::build(ScanLine::kSt14FormCode, periodCode, vendorId)}}},
            {QStringLiteral("st1Page1"), st1Page1Section(set.st1, results.st1Page1)},
            {QStringLiteral("st1Page2"), pageSection(set.st1Worksheet, results.st1Page2)},
            {QStringLiteral("st14Page"), pageSection(set.st14, results.st14)},
            {QStringLiteral("st4Page"), pageSection(set.st4, results.st4)},
            {QStringLiteral("st8Page"), pageSection(set.st8, results.st8)},
            {QStringLiteral("gasoholPage"),
             pageSection(set.gasoholWorksheet, results.gasoholWorksheet)}};
}

// The page sections the case has, without the fields of the pages it expects to fail.
QJsonObject expectedPages(const QJsonObject& expected) {
    QJsonObject pages;
    for (const char* key : kPageSections) {
        const QString name = QLatin1String(key);
        if (!expected.contains(name))
            continue;
        pages[name] = withoutFailedFields(expected[name]);
    }
    return pages;
}

class ReturnPageCases : public ::testing::Test {
protected:
    void checkCase(const QJsonObject& testCase, const QString& file) {
        const QJsonObject input = testCase[QStringLiteral("input")].toObject();
        const QJsonObject expected = expectedPages(testCase[QStringLiteral("expected")].toObject());
        if (expected.isEmpty())
            return;
        auto record = std::make_unique<ReturnRecord>();
        ReturnCaseInput::build(input, *record);
        record->summary = ReturnSummary(); // the summary page zeroes it before computing
        computeAll(*record);
        const FillContext context = ReturnCaseContext::fillContext(input);
        const ReturnFormResults results = fillEveryForm(*set, *record, context);
        const QJsonObject actual = pageSections(*set, results, *record, context.vendorId);
        Clock::release();
        reportCaseDifference(file, testCase, JsonFirstDifference::find(expected, actual));
    }

    FormSet* const set = &loadedForms();
};

} // namespace

TEST_F(ReturnPageCases, FilledPagesMatchEveryCase) {
    forEachReturnCase(
        [this](const QJsonObject& testCase, const QString& file) { checkCase(testCase, file); });
}

// What goes on a form never follows the user's locale: on a machine whose locale writes a
// decimal comma the pages read as everywhere else ("0.200", not "0,200").
TEST_F(ReturnPageCases, FilledPagesMatchEveryCaseUnderACommaLocale) {
    const CommaLocale comma;
    if (!comma.active())
        GTEST_SKIP() << comma.problem().toStdString();
    forEachReturnCase(
        [this](const QJsonObject& testCase, const QString& file) { checkCase(testCase, file); });
}
