#include "MultiSiteFixture.h"
#include "forms/multisite/MultiSiteGeneration.h"
#include "forms/multisite/MultiSitePageOrder.h"
#include "forms/preview/ReturnGeneration.h"
#include "returns/multisite/LocationSums.h"

namespace {
TEST_F(MultiSiteTest, CombinedLinesAreSumsNeverRecomputed) {
    bindClient(2);
    results->entries[0].st1.line9 = 629;
    results->entries[0].st1.line10 = 11;
    results->entries[1].st1.line9 = 686;
    results->entries[1].st1.line10 = 12; // 1.75 % of 1315 would round to 23 as well as 22
    resetReturn(*record);
    sumLocations(*record, results->listed());
    EXPECT_EQ(record->st1.line9, 1315);
    EXPECT_EQ(record->st1.line10, 23);
}

TEST_F(MultiSiteTest, DescriptionsJoinTheNonEmptyOnes) {
    struct Row {
        const char* first;
        const char* second;
        const char* joined;
    };
    const Row rows[] = {{"A", "", "A"}, {"", "B", "B"}, {"A", "B", "A,B"}, {"", "", ""}};
    bindClient(2);
    for (const Row& row : rows) {
        results->entries[0].worksheet.otherDeduction1Description = QLatin1String(row.first);
        results->entries[1].worksheet.otherDeduction1Description = QLatin1String(row.second);
        resetReturn(*record);
        sumLocations(*record, results->listed());
        EXPECT_EQ(record->worksheet.otherDeduction1Description, QLatin1String(row.joined));
    }
}

TEST_F(MultiSiteTest, Items16cAnd16dAndTheTotalComeFromTheSums) {
    bindClient(2);
    results->entries[0].worksheet.localTaxes = 40;
    results->entries[0].worksheet.resale = 100;
    results->entries[0].st8.st8WorksheetAmount = 7;
    results->entries[1].worksheet.homeRuleFuelTax = 5;
    results->entries[1].worksheet.totalDeductions = 999; // recomputed, not summed
    resetReturn(*record);
    sumLocations(*record, results->listed());
    const St1Worksheet& sheet = record->worksheet;
    EXPECT_EQ(sheet.localTaxes, 40);
    EXPECT_EQ(sheet.tireAndFuelFees, 12);
    EXPECT_EQ(sheet.totalDeductions, 152);
    EXPECT_EQ(sheet.item16cDescription, QStringLiteral("Home Rule Tax"));
    EXPECT_EQ(sheet.item16dDescription, QStringLiteral("Tire Tax,Home Rule Fuel Tax"));
}

TEST_F(MultiSiteTest, ALocationNumberOf0PrintsTheRowOnSt2) {
    bindClient(3);
    multiSiteClient.locations[2].locationNumber = 0;
    bindLocations(*results, multiSiteClient);
    for (int row = 0; row < 3; ++row)
        ASSERT_EQ(prepare(row, 1000.00 * (row + 1)), kSt1Ok);
    const CombinedFills fills = combine();
    ASSERT_TRUE(fills.st2Pages[0].value_or(false));
    EXPECT_FALSE(fills.st2Pages[1].has_value());
    EXPECT_EQ(set->st2Pages[0].fieldText(28),
              QStringLiteral("076-5000-9 003  Springfield").leftJustified(48));
    EXPECT_EQ(set->st2Pages[0].fieldText(41), blank(48)); // block 3 stays blank
    EXPECT_EQ(record->summary.summaryTotalReceipts, 6000);
}

TEST_F(MultiSiteTest, PageOrderFollowsTheFormsTheClientFiles) {
    struct Row {
        int locations;
        bool filesAll;
        size_t pages;
        size_t st2Pages;
    };
    const Row rows[] = {{5, false, 3, 1}, {6, false, 4, 2}, {40, false, 10, 8}, {3, true, 12, 1}};
    for (const Row& row : rows) {
        ClientRecord filer = client();
        filer.filesST8 = filer.filesST14 = filer.filesST4 = row.filesAll ? 1 : 0;
        const std::vector<MultiSitePage> pages = multiSitePageOrder(filer, row.locations);
        EXPECT_EQ(pages.size(), row.pages) << row.locations;
        EXPECT_EQ(std::ranges::count(pages, MultiSitePage::Form::St2, &MultiSitePage::form),
                  std::ptrdiff_t(row.st2Pages));
    }
    ClientRecord filer = client();
    filer.filesST8 = filer.filesST14 = filer.filesST4 = 1;
    const std::vector<MultiSitePage> pages = multiSitePageOrder(filer, 3);
    using Form = MultiSitePage::Form;
    EXPECT_EQ(pages[3], (MultiSitePage{Form::St8, -1, 0}));
    EXPECT_EQ(pages[5], (MultiSitePage{Form::St8, -1, 2}));
    EXPECT_EQ(pages[6], (MultiSitePage{Form::St14, -1, 0}));
    EXPECT_EQ(pages[11], (MultiSitePage{Form::St4, -1, 2}));
}

TEST_F(MultiSiteTest, GenerationWritesEveryListedPageWithCaptions) {
    bindClient(6);
    multiSiteClient.filesST8 = 1;
    for (int row = 0; row < 6; ++row)
        ASSERT_EQ(prepare(row, 1000.00), kSt1Ok);
    const CombinedFills fills = combine();
    const MultiSiteGeneration generation =
        generateMultiSitePages(*set, *record, fills, multiSiteClient, *results, context);
    ASSERT_TRUE(generation.ok()) << generation.error.toStdString();
    ASSERT_EQ(generation.pages.size(), 10u);
    EXPECT_FALSE(generation.pages[1].caption.has_value());
    EXPECT_EQ(generation.pages[2].caption, QStringLiteral("ID: 1234"));
    EXPECT_EQ(generation.pages[9].caption, QStringLiteral("ID: 1234"));
    for (const PageEntry& page : generation.pages) {
        EXPECT_EQ(page.kind, kPageUnknown);
        EXPECT_FALSE(page.image().isEmpty());
    }
    // Each location's ST-8 is the same form filled again: every page keeps its own image.
    EXPECT_NE(generation.pages[4].image(), generation.pages[9].image());
    EXPECT_EQ(generation.pages[9].image(), set->st8.workingImage());
}

TEST_F(MultiSiteTest, ATextTooLongForSt2StopsTheGenerationAndNamesIt) {
    bindClient(6);
    FixedText::set(multiSiteClient.locations[5].city, std::string(40, 'C'));
    bindLocations(*results, multiSiteClient);
    for (int row = 0; row < 6; ++row)
        ASSERT_EQ(prepare(row, 1000.00), kSt1Ok);
    const CombinedFills fills = combine();
    ASSERT_EQ(fills.st2Pages[0], true);
    ASSERT_EQ(fills.st2Pages[1], false);
    EXPECT_EQ(set->st2Pages[1].failedKey(), 2);
    const MultiSiteGeneration generation =
        generateMultiSitePages(*set, *record, fills, multiSiteClient, *results, context);
    EXPECT_TRUE(generation.pages.empty());
    const QString identifier = QStringLiteral("076-5000-9 006  ") + QString(40, QLatin1Char('C'));
    EXPECT_EQ(generation.error,
              QStringLiteral("An error occurred while printing ST-2 page 2\nThe text \"") +
                  identifier +
                  QStringLiteral("\" is 56 characters long; the form has room for "
                                 "48 characters."));
}

TEST_F(MultiSiteTest, AJoinedDescriptionTooLongForPage2StopsTheGeneration) {
    bindClient(2);
    const auto describe = [](ReturnRecord& location) {
        location.worksheet.otherDeduction1 = 10;
        location.worksheet.otherDeduction1Description = QString(30, QLatin1Char('D'));
    };
    ASSERT_EQ(prepare(0, 1000.00, describe), kSt1Ok);
    ASSERT_EQ(prepare(1, 1000.00, describe), kSt1Ok);
    const CombinedFills fills = combine();
    EXPECT_TRUE(fills.st1Page1);
    EXPECT_FALSE(fills.st1Page2);
    const MultiSiteGeneration generation =
        generateMultiSitePages(*set, *record, fills, multiSiteClient, *results, context);
    EXPECT_TRUE(generation.error.startsWith(
        QStringLiteral("An error occurred while printing ST-1 Page 2\nThe text \"")));
    EXPECT_TRUE(generation.error.endsWith(
        QStringLiteral("\" is 61 characters long; the form has room for 45 characters.")));
}
} // namespace
