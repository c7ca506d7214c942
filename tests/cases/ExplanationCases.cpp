// Explanations of every case: every single-site case of the shared returns.json, of
// tests/data/returns and of VANTROBE_CASES_DIR, and every multi-site case, is computed with its
// steps recorded, filled as the preview fills it, and explained. The recorded computation
// still gives the case's expected figures; every explained line ends with the amount its form
// prints (or says that the form leaves the line blank) and with the figure's own value; every
// entry the words name shows that entry's value; a line 4a correction is told, a late return
// explains why it has no discount, bases that miss line 3 are explained, and every printed line
// of the forms the return takes is explained.
#include "ForEachReturnCase.h"
#include "MultiSiteCaseRun.h"
#include "PreparedCase.h"
#include "PrintedFields.h"
#include "ReturnCaseResults.h"
#include "forms/filling/FormSet.h"
#include "forms/multisite/LocationPages.h"
#include "platform/Clock.h"
#include "returns/EnteredSections.h"
#include "returns/ReturnCalculation.h"
#include "returns/St1Calculation.h"
#include "returns/report/PreparedReturn.h"
#include "returns/report/ReturnExplanation.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <optional>

namespace {
using F = Figure;
using PrintedFields::FilledPages;
using PrintedFields::numberIn;
using PrintedFields::printedNumber;

// The last number of the words (before the sentence that tells of a blank line).
std::optional<double> lastNumber(const QString& words) {
    static const QRegularExpression number(QStringLiteral("-?\\d[\\d,]*(\\.\\d+)?"));
    std::optional<double> last;
    for (const QRegularExpressionMatch& match : number.globalMatch(words))
        last = numberIn(match.captured());
    return last;
}

const ExplainedLine* findIn(const ExplainedPart& part, Figure figure) {
    for (const ExplainedForm& form : part.forms) {
        for (const ExplainedLine& line : form.lines) {
            if (line.figure == figure)
                return &line;
        }
    }
    return nullptr;
}

double enteredValue(const QJsonObject& entries, Operand operand) {
    const QString key = QLatin1String(operandInfo(operand).key);
    for (const QJsonValue& section : entries) {
        if (section.toObject().contains(key))
            return section.toObject()[key].toDouble();
    }
    ADD_FAILURE() << "no entry " << key.toStdString();
    return 0;
}

class ExplanationCases : public PreparedCaseRunner {
protected:
    // Checks one explained line against the figure's value, the page it is printed on and the
    // entries of its return.
    void checkLine(const ExplainedLine& line, double value, const FilledPages& pages,
                   const QJsonObject& entries, const std::string& where) {
        const QString& words = line.words.text;
        const std::string context =
            where + ": " + line.title.toStdString() + ": " + words.toStdString();
        ++linesChecked;
        if (line.figure != F::Rates) {
            EXPECT_EQ(line.words.value, value) << context;
        }
        for (const NamedEntry& entry : line.words.entries) {
            EXPECT_TRUE(words.contains(entry.shown)) << context;
            EXPECT_NEAR(numberIn(QString(entry.shown).remove(QStringLiteral(" a gallon"))),
                        enteredValue(entries, entry.operand), 0.005 + 1e-9)
                << context << " names " << operandInfo(entry.operand).key;
        }
        const FigurePrinting printing = figurePrinting(line.figure);
        if (printing == FigurePrinting::Never || !pages.printed)
            return;
        const std::optional<QString> field = pages.fieldText(line.figure);
        const bool blank =
            field ? field->trimmed().isEmpty() : printing == FigurePrinting::Amount && value <= 0;
        const QString blankSentence = QString::fromLatin1(kPrintedBlank);
        if (blank) {
            EXPECT_TRUE(words.endsWith(blankSentence)) << context;
            EXPECT_LE(lastNumber(words.chopped(blankSentence.size())).value_or(1), 0) << context;
            return;
        }
        EXPECT_FALSE(words.endsWith(blankSentence)) << context;
        EXPECT_TRUE(words.endsWith(QLatin1Char('.')) && words.chopped(1).back().isDigit())
            << context;
        const double printed = field ? printedNumber(*field) : value;
        EXPECT_NEAR(lastNumber(words).value_or(-1e300), printed, 0.0051) << context;
    }

    // Every printed line of the forms the part takes is explained, unless the bases stopped
    // the calculation after line 9.
    void checkCovered(const ExplainedPart& part, const std::string& where) {
        for (const ExplainedForm& form : part.forms) {
            for (const FigureInfo& info : formFigures(form.form)) {
                if (figurePrinting(info.figure) == FigurePrinting::Never)
                    continue;
                const bool found = std::ranges::any_of(
                    form.lines, [&](const ExplainedLine& l) { return l.figure == info.figure; });
                EXPECT_TRUE(found) << where << ": " << form.title.toStdString() << " line "
                                   << info.line << " is not explained";
            }
        }
    }

    void checkPart(const ExplainedPart& part, const ReturnRecord& record, const FilledPages& pages,
                   const std::string& where) {
        const QJsonObject entries = EnteredSections::entries(record);
        for (const ExplainedForm& form : part.forms) {
            for (const ExplainedLine& line : form.lines)
                checkLine(line, figureValue(record, line.figure), pages, entries, where);
        }
    }

    // The rules the words must tell for the return's period and its line 4a.
    void checkRules(const ReturnExplanation& explanation, const QJsonObject& expected, bool onTime,
                    int status, const std::string& where) {
        const ExplainedLine* line4a = explanation.find(F::St1Line4a);
        ASSERT_NE(line4a, nullptr) << where;
        if (status == kSt1BasesDoNotAddUp) {
            EXPECT_TRUE(line4a->words.text.contains(QStringLiteral("more than one dollar")))
                << where;
            ++basesMissed;
            return;
        }
        if (expected[QStringLiteral("st1Check")][QStringLiteral("correction")].toInt() != 0) {
            EXPECT_TRUE(line4a->words.text.contains(QStringLiteral("corrected by"))) << where;
            ++corrected;
        }
        if (!onTime) {
            for (const Figure discount : {F::St1Line10, F::St14Line5, F::St4Line5}) {
                const ExplainedLine* line = explanation.find(discount);
                if (line) {
                    EXPECT_TRUE(line->words.text.contains(QStringLiteral("is late"))) << where;
                }
            }
            ++late;
        }
    }

    void checkSingleSite(const CaseAt& at) override {
        [[maybe_unused]] const auto& [testCase, file, where, input] = at;
        const QJsonObject expected = testCase[QStringLiteral("expected")].toObject();
        const PreparedReturn prepared = PreparedCase::singleSite(input);
        const int status = prepared.st1Status;
        reportCaseDifference(file, testCase,
                             JsonFirstDifference::find(
                                 ReturnCaseResults::expectedCalculationSections(expected),
                                 ReturnCaseResults::calculationSections(prepared.record, status)));
        const ReturnExplanation explanation = explainReturn(prepared);
        const FilledPages pages = PreparedCase::filledPages(*set, prepared, input);
        if (pages.printed)
            checkCovered(explanation.parts.front(), where);
        Clock::release();
        ASSERT_EQ(explanation.parts.size(), 1u) << where;
        checkPart(explanation.parts.front(), prepared.record, pages, where);
        checkRules(explanation, expected, prepared.record.period.onTime == 1, status, where);

        ++returnsChecked;
    }

    void checkMultiSite(const CaseAt& at, const PreparedCase::MultiSite& multiSite) override {
        [[maybe_unused]] const auto& [testCase, file, where, input] = at;
        const MultiSiteCaseRun& run = multiSite.run;
        const PreparedReturn& prepared = multiSite.prepared;
        const ReturnExplanation explanation = explainReturn(prepared);
        ASSERT_EQ(explanation.parts.size(), size_t(run.results->count) + 1) << where;
        const FilledPages& combinedPages = multiSite.pages;
        checkPart(explanation.parts.front(), *run.record, combinedPages, where);
        checkCovered(explanation.parts.front(), where);
        const auto scratch = std::make_unique<ReturnRecord>();
        for (int row = 0; row < run.results->count; ++row) {
            const LocationPageFills locationFills =
                fillLocationPages(*set, *scratch, *run.record, run.client,
                                  run.results->entries[size_t(row)], run.context);
            FilledPages pages;
            pages.add(FigureForm::St14, set->st14, locationFills.st14);
            pages.add(FigureForm::St4, set->st4, locationFills.st4);
            pages.add(FigureForm::St8, set->st8, locationFills.st8);
            const ExplainedPart& part = explanation.parts[size_t(row) + 1];
            const std::string place = where + ", " + part.title.toStdString();
            checkPart(part, prepared.locationReturn(row), pages, place);
            checkCovered(part, place);
            if (run.record->period.onTime != 1) {
                const ExplainedLine* discount = findIn(part, F::St1Line10);
                ASSERT_NE(discount, nullptr) << place;
                EXPECT_TRUE(discount->words.text.contains(QStringLiteral("is late"))) << place;
                ++late;
            }
        }
        const ExplainedLine* combinedDiscount = findIn(explanation.parts.front(), F::St1Line10);
        ASSERT_NE(combinedDiscount, nullptr) << where;
        EXPECT_TRUE(combinedDiscount->words.text.contains(QStringLiteral("locations' own")))
            << where;
        Clock::release();
        ++returnsChecked;
    }

    int returnsChecked = 0;
    int linesChecked = 0;
    int corrected = 0;
    int late = 0;
    int basesMissed = 0;
};
} // namespace

TEST_F(ExplanationCases, EveryLineOfEverySingleSiteCaseIsExplained) {
    checkEverySingleSiteCase();
    std::cout << "ExplanationCases: " << returnsChecked << " returns, " << linesChecked
              << " explained lines; " << corrected << " with a line 4a correction, " << late
              << " late, " << basesMissed << " with bases that miss line 3\n";
    EXPECT_GT(corrected, 0);
    EXPECT_GT(late, 0);
    EXPECT_GT(basesMissed, 0);
}

TEST_F(ExplanationCases, EveryLineOfEveryMultiSiteCaseIsExplained) {
    const int cases = checkEveryMultiSiteCase();
    std::cout << "ExplanationCases: " << cases << " multi-site returns, " << linesChecked
              << " explained lines, " << late << " late locations\n";
    EXPECT_GT(cases, 0);
}
