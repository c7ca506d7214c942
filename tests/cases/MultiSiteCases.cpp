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
#include "MultiSiteCaseInput.h"
#include "MultiSiteCaseResults.h"
#include "ReturnCaseContext.h"
#include "ReturnCaseInput.h"
#include "ReturnCaseResults.h"
#include "StoredInputsCheck.h"
#include "forms/multisite/CombineLocations.h"
#include "forms/multisite/LocationPages.h"
#include "forms/multisite/LocationPreparation.h"
#include "forms/multisite/MultiSiteGeneration.h"
#include "forms/preview/ReturnGeneration.h"
#include "platform/Clock.h"
#include "returns/EnteredSections.h"
#include "returns/St1Calculation.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/LocationResult.h"
#include "support/LoadedForms.h"

#include <QFileInfo>
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
        Clock::setFixedDate(ReturnCaseInput::today(input));
        context = ReturnCaseContext::fillContext(input);
        client = MultiSiteCaseInput::client(input[QStringLiteral("client")].toObject());
        results = std::make_unique<LocationResults>();
        bindLocations(*results, client);
        results->period = ReturnCaseInput::period(input);
        record = std::make_unique<ReturnRecord>();
        const QJsonArray locationSections = prepareLocations(input);
        const CombinedFills fills = combineLocations(*record, *set, client, *results, context);
        QJsonObject actual = combinedSections(fills);
        actual[QStringLiteral("locations")] = withLocationPages(locationSections);
        const QJsonObject expected = testCase[QStringLiteral("expected")].toObject();
        checkGeneration(fills, expected, file, testCase);
        StoredInputsCheck::multiSite(*record, *results, input,
                                     file + QStringLiteral(": ") +
                                         testCase[QStringLiteral("name")].toString());
        Clock::release();
        reportCaseDifference(
            file, testCase,
            JsonFirstDifference::find(MultiSiteCaseResults::withoutFailedFields(expected), actual));
    }

    // Each location prepared from its inputs: an earlier preparation first where the case has
    // one (its status, 0 or the -6 of a wizard that refused to finish, kept as
    // `preparedTwiceStatus`), then the final one. The calculation sections of the final one.
    QJsonArray prepareLocations(const QJsonObject& input) {
        const QJsonArray locations = input[QStringLiteral("locations")].toArray();
        QJsonArray sections;
        for (int row = 0; row < results->count; ++row) {
            const QJsonObject location = locations[row].toObject();
            QJsonValue earlierStatus;
            if (location.contains(QStringLiteral("preparedTwice")))
                earlierStatus = prepare(row, location[QStringLiteral("preparedTwice")]
                                                 .toObject())[QStringLiteral("st1Status")];
            QJsonObject section = prepare(row, location);
            if (!earlierStatus.isUndefined())
                section[QStringLiteral("preparedTwiceStatus")] = earlierStatus;
            sections.append(section);
        }
        return sections;
    }

    QJsonObject prepare(int row, const QJsonObject& entries) {
        LocationResult& entry = results->entries[size_t(row)];
        startLocationPreparation(*record, *set, results->period,
                                 locationClientRecord(client, entry.location), context);
        EnteredSections::storeEntries(entries, *record);
        const int status = storePreparedLocation(entry, *record);
        return ReturnCaseResults::calculationSections(*record, status);
    }

    QJsonObject combinedSections(const CombinedFills& fills) const {
        const QJsonObject calculated = ReturnCaseResults::calculationSections(*record, kSt1Ok);
        return {
            {QStringLiteral("period"), calculated[QStringLiteral("period")]},
            {QStringLiteral("combined"),
             MultiSiteCaseResults::combinedSection(*record, set->st1.kept().voucher)},
            {QStringLiteral("st1Page1"), pageSection(set->st1, fills.st1Page1)},
            {QStringLiteral("st1Page2"), pageSection(set->st1Worksheet, fills.st1Page2)},
            {QStringLiteral("st2Pages"),
             MultiSiteCaseResults::st2PagesSection(*set, fills, results->count)},
            {QStringLiteral("summary"), MultiSiteCaseResults::summarySection(record->summary)},
            {QStringLiteral("pageList"),
             MultiSiteCaseResults::pageListSection(multiSitePageOrder(client, results->count),
                                                   context.vendorId)},
        };
    }

    // Each location's sections with its ST-14, ST-4 and ST-8 pages.
    QJsonArray withLocationPages(const QJsonArray& locationSections) const {
        QJsonArray locations;
        const auto scratch = std::make_unique<ReturnRecord>();
        for (int row = 0; row < results->count; ++row) {
            const LocationPageFills fills = fillLocationPages(
                *set, *scratch, *record, client, results->entries[size_t(row)], context);
            QJsonObject location = locationSections[row].toObject();
            location[QStringLiteral("st14Page")] = pageSection(set->st14, fills.st14);
            location[QStringLiteral("st4Page")] = pageSection(set->st4, fills.st4);
            location[QStringLiteral("st8Page")] = pageSection(set->st8, fills.st8);
            locations.append(location);
        }
        return locations;
    }

    // "Preview Return": a page file per listed page, or a message when a fill that goes into
    // the return failed.
    void checkGeneration(const CombinedFills& fills, const QJsonObject& expected,
                         const QString& file, const QJsonObject& testCase) const {
        const MultiSiteGeneration generation =
            generateMultiSitePages(*set, *record, fills, client, *results, context);
        const std::string name = QFileInfo(file).fileName().toStdString() + ": case \"" +
                                 testCase[QStringLiteral("name")].toString().toStdString() + "\"";
        if (generation.ok()) {
            EXPECT_EQ(generation.pages.size(),
                      size_t(expected[QStringLiteral("pageList")].toArray().size()))
                << name;
            for (const PageEntry& page : generation.pages)
                EXPECT_GT(QFileInfo(page.path()).size(), 0) << name;
        } else {
            EXPECT_TRUE(generation.pages.empty()) << name;
        }
        EXPECT_EQ(generation.ok(), !anyListedPageFails(expected))
            << name << ": " << generation.error.toStdString();
        deletePageFiles(generation.pages);
    }

    // Whether a page the preview takes is expected to fail its fill.
    bool anyListedPageFails(const QJsonObject& expected) const {
        bool fails = pageFailed(expected[QStringLiteral("st1Page1")].toObject()) ||
                     pageFailed(expected[QStringLiteral("st1Page2")].toObject());
        for (const QJsonValue& page : expected[QStringLiteral("st2Pages")].toArray())
            fails = fails || pageFailed(page.toObject());
        const QJsonArray locations = expected[QStringLiteral("locations")].toArray();
        const std::pair<const char*, bool> forms[] = {{"st8Page", client.filesST8 == 1},
                                                      {"st14Page", client.filesST14 == 1},
                                                      {"st4Page", client.filesST4 == 1}};
        for (const QJsonValue& location : locations) {
            for (const auto& [page, filed] : forms)
                fails = fails || (filed && pageFailed(location[QLatin1String(page)].toObject()));
        }
        return fails;
    }

    FormSet* const set = &loadedForms();
    FillContext context;
    ClientRecord client{};
    std::unique_ptr<LocationResults> results;
    std::unique_ptr<ReturnRecord> record;
};

} // namespace

TEST_F(MultiSiteCases, EveryCaseMatches) {
    const int checked = forEachMultiSiteCase(
        [this](const QJsonObject& testCase, const QString& file) { checkCase(testCase, file); });
    std::cout << "MultiSiteCases: checked " << checked << " multi-site cases\n";
    EXPECT_GT(checked, 0);
}
