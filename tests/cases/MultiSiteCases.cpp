// Multi-site returns: every case of the shared multisite.json and every multi-site case of the
// other case files (tests/data/returns, VANTROBE_CASES_DIR) is prepared as the multi-site
// wizard prepares it: each location's wizard run on its location client record (an earlier
// preparation first where the case has one), the locations combined as the summary page
// combines them, each location's ST-14, ST-4 and ST-8 filled, and the pages generated as
// "Preview Return" generates them. Every section of `expected` is compared; the fields of a
// fill expected to fail are left out, since those written before the failure depend on the
// write order. The return is also stored with its inputs, which must read back as each
// location's input sections.
#include "CasePageSections.h"
#include "ForEachReturnCase.h"
#include "MultiSiteCaseResults.h"
#include "MultiSiteCaseRun.h"
#include "ReturnCaseResults.h"
#include "StoredInputsCheck.h"
#include "forms/multisite/CombineLocations.h"
#include "forms/multisite/LocationPages.h"
#include "forms/multisite/MultiSiteGeneration.h"
#include "platform/Clock.h"
#include "returns/St1Calculation.h"
#include "returns/multisite/LocationResult.h"
#include "support/LoadedForms.h"

#include <QJsonArray>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

namespace {
using namespace CasePageSections;

class MultiSiteCases : public ::testing::Test {
protected:
    void checkCase(const QJsonObject& testCase, const QString& file) {
        const QJsonObject input = testCase[QStringLiteral("input")].toObject();
        run = std::make_unique<MultiSiteCaseRun>(input);
        const QJsonArray locationSections = run->prepareLocations(input, *set);
        const CombinedFills fills = run->combine(*set);
        QJsonObject actual = combinedSections(fills);
        actual[QStringLiteral("locations")] = withLocationPages(locationSections);
        const QJsonObject expected = testCase[QStringLiteral("expected")].toObject();
        checkGeneration(fills, expected, file, testCase);
        StoredInputsCheck::multiSite(*run->record, *run->results, input,
                                     file + QStringLiteral(": ") +
                                         testCase[QStringLiteral("name")].toString());
        Clock::release();
        reportCaseDifference(
            file, testCase,
            JsonFirstDifference::find(MultiSiteCaseResults::withoutFailedFields(expected), actual));
    }

    QJsonObject combinedSections(const CombinedFills& fills) const {
        const QJsonObject calculated = ReturnCaseResults::calculationSections(*run->record, kSt1Ok);
        return {
            {QStringLiteral("period"), calculated[QStringLiteral("period")]},
            {QStringLiteral("combined"),
             MultiSiteCaseResults::combinedSection(*run->record, set->st1.kept().voucher)},
            {QStringLiteral("st1Page1"), pageSection(set->st1, fills.st1Page1)},
            {QStringLiteral("st1Page2"), pageSection(set->st1Worksheet, fills.st1Page2)},
            {QStringLiteral("st2Pages"),
             MultiSiteCaseResults::st2PagesSection(*set, fills, run->results->count)},
            {QStringLiteral("summary"), MultiSiteCaseResults::summarySection(run->record->summary)},
            {QStringLiteral("pageList"),
             MultiSiteCaseResults::pageListSection(
                 multiSitePageOrder(run->client, run->results->count), run->context.vendorId)},
        };
    }

    // Each location's sections with its ST-14, ST-4 and ST-8 pages.
    QJsonArray withLocationPages(const QJsonArray& locationSections) const {
        QJsonArray locations;
        const auto scratch = std::make_unique<ReturnRecord>();
        for (int row = 0; row < run->results->count; ++row) {
            const LocationPageFills fills =
                fillLocationPages(*set, *scratch, *run->record, run->client,
                                  run->results->entries[size_t(row)], run->context);
            QJsonObject location = locationSections[row].toObject();
            location[QStringLiteral("st14Page")] = pageSection(set->st14, fills.st14);
            location[QStringLiteral("st4Page")] = pageSection(set->st4, fills.st4);
            location[QStringLiteral("st8Page")] = pageSection(set->st8, fills.st8);
            locations.append(location);
        }
        return locations;
    }

    // "Preview Return": a page image per listed page, or a message when a fill that goes into
    // the return failed.
    void checkGeneration(const CombinedFills& fills, const QJsonObject& expected,
                         const QString& file, const QJsonObject& testCase) const {
        const MultiSiteGeneration generation = generateMultiSitePages(
            *set, *run->record, fills, run->client, *run->results, run->context);
        const std::string name = caseLabel(file, testCase);
        if (generation.ok()) {
            EXPECT_EQ(generation.pages.size(),
                      size_t(expected[QStringLiteral("pageList")].toArray().size()))
                << name;
            for (const PageEntry& page : generation.pages)
                EXPECT_FALSE(page.image().isEmpty()) << name;
        } else {
            EXPECT_TRUE(generation.pages.empty()) << name;
        }
        EXPECT_EQ(generation.ok(), !anyListedPageFails(expected))
            << name << ": " << generation.error.toStdString();
    }

    // Whether a page the preview takes is expected to fail its fill.
    bool anyListedPageFails(const QJsonObject& expected) const {
        bool fails = pageFailed(expected[QStringLiteral("st1Page1")].toObject()) ||
                     pageFailed(expected[QStringLiteral("st1Page2")].toObject());
        for (const QJsonValue& page : expected[QStringLiteral("st2Pages")].toArray())
            fails = fails || pageFailed(page.toObject());
        const QJsonArray locations = expected[QStringLiteral("locations")].toArray();
        const std::pair<const char*, bool> forms[] = {{"st8Page", run->client.filesST8 == 1},
                                                      {"st14Page", run->client.filesST14 == 1},
                                                      {"st4Page", run->client.filesST4 == 1}};
        for (const QJsonValue& location : locations) {
            for (const auto& [page, filed] : forms)
                fails = fails || (filed && pageFailed(location[QLatin1String(page)].toObject()));
        }
        return fails;
    }

    FormSet* const set = &loadedForms();
    std::unique_ptr<MultiSiteCaseRun> run;
};

} // namespace

TEST_F(MultiSiteCases, EveryCaseMatches) {
    const int checked = forEachMultiSiteCase(
        [this](const QJsonObject& testCase, const QString& file) { checkCase(testCase, file); });
    std::cout << "MultiSiteCases: checked " << checked << " multi-site cases\n";
    EXPECT_GT(checked, 0);
}
