#include "PreparedCase.h"

#include "ForEachReturnCase.h"
#include "ReturnCaseContext.h"
#include "ReturnCaseInput.h"
#include "forms/filling/FormSet.h"
#include "forms/filling/ReturnForms.h"
#include "returns/ReturnCalculation.h"
#include "returns/St1Calculation.h"
#include "support/LoadedForms.h"

PreparedReturn PreparedCase::singleSite(const QJsonObject& input) {
    PreparedReturn prepared;
    ReturnCaseInput::build(input, prepared.record);
    prepared.record.summary = ReturnSummary();
    prepared.st1Status = computeAll(prepared.record, prepared.steps);
    return prepared;
}

PrintedFields::FilledPages PreparedCase::filledPages(FormSet& set, const PreparedReturn& prepared,
                                                     const QJsonObject& input) {
    PrintedFields::FilledPages pages;
    pages.printed = prepared.st1Status != kSt1BasesDoNotAddUp;
    if (!pages.printed)
        return pages;
    ReturnRecord filled = prepared.record;
    const ReturnFormResults results =
        fillEveryForm(set, filled, ReturnCaseContext::fillContext(input));
    pages.add(FigureForm::St1, set.st1, results.st1Page1 == kSt1Ok);
    pages.add(FigureForm::Worksheet, set.st1Worksheet, results.st1Page2);
    pages.add(FigureForm::St14, set.st14, results.st14);
    pages.add(FigureForm::St4, set.st4, results.st4);
    pages.add(FigureForm::St8, set.st8, results.st8);
    pages.add(FigureForm::Gasohol, set.gasoholWorksheet, results.gasoholWorksheet);
    return pages;
}

PreparedCase::MultiSite::MultiSite(const QJsonObject& input, FormSet& set)
    : run(input), prepared(run.prepared(input, set, fills)) {
    pages.add(FigureForm::St1, set.st1, fills.st1Page1);
    pages.add(FigureForm::Worksheet, set.st1Worksheet, fills.st1Page2);
}

PreparedCaseRunner::PreparedCaseRunner() : set(&loadedForms()) {}

void PreparedCaseRunner::checkEverySingleSiteCase() {
    forEachReturnCase([this](const QJsonObject& testCase, const QString& file) {
        checkSingleSite({testCase, file, caseLabel(file, testCase),
                         testCase[QStringLiteral("input")].toObject()});
    });
}

int PreparedCaseRunner::checkEveryMultiSiteCase() {
    return forEachMultiSiteCase([this](const QJsonObject& testCase, const QString& file) {
        const CaseAt at{testCase, file, caseLabel(file, testCase),
                        testCase[QStringLiteral("input")].toObject()};
        checkMultiSite(at, PreparedCase::MultiSite(at.input, *set));
    });
}
