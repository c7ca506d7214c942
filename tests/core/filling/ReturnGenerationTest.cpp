#include "forms/preview/ReturnGeneration.h"

#include "FillingFixture.h"
#include "forms/FormImages.h"

#include <QDir>

namespace {
struct PageListCase {
    const char* name;
    int filesST14, filesST4, filesST8;
    bool gasoholOption;
    std::int64_t gasoholGallons;
    std::vector<PageKind> kinds;
};

std::vector<PageKind> kindsOf(const PageList& pages) {
    std::vector<PageKind> kinds;
    for (const PageEntry& page : pages)
        kinds.push_back(page.kind);
    return kinds;
}

class ReturnGenerationTest : public FillingTest {
protected:
    void SetUp() override {
        FillingTest::SetUp();
        record->st1.totalReceipts = 10000;
    }
    void TearDown() override {
        FillingTest::TearDown();
        // A later test must find every form's own page image again.
        ASSERT_EQ(loadFormImages(*set), 0);
    }
};
} // namespace

TEST_F(ReturnGenerationTest, PageListFollowsTheFormsTheClientFiles) {
    const PageListCase cases[] = {
        {"ST-1 only", 0, 0, 0, false, 0, {kPageSt1Page1, kPageSt1Page2}},
        {"every local return",
         1,
         1,
         1,
         false,
         0,
         {kPageSt1Page1, kPageSt1Page2, kPageSt14, kPageSt4, kPageSt8}},
        {"ST-8 only", 0, 0, 1, false, 0, {kPageSt1Page1, kPageSt1Page2, kPageSt8}},
        {"gasohol option without gallons", 0, 0, 0, true, 0, {kPageSt1Page1, kPageSt1Page2}},
        {"gasohol gallons without the option", 0, 0, 0, false, 100, {kPageSt1Page1, kPageSt1Page2}},
        {"gasohol worksheet last",
         1,
         0,
         1,
         true,
         100,
         {kPageSt1Page1, kPageSt1Page2, kPageSt14, kPageSt8, kPageGasoholWorksheet}},
    };
    for (const PageListCase& c : cases) {
        SCOPED_TRACE(c.name);
        record->client.filesST14 = c.filesST14;
        record->client.filesST4 = c.filesST4;
        record->client.filesST8 = c.filesST8;
        record->client.motorFuel.sellsMotorFuel = c.gasoholGallons > 0 ? 1 : 0;
        record->fuelSales.gasoholGallons = c.gasoholGallons;
        computeAll(*record);
        const GeneratedReturn generated =
            generateSingleSiteReturn(*set, *record, context, c.gasoholOption);
        EXPECT_EQ(generated.failure, GenerationFailure::None);
        EXPECT_EQ(kindsOf(generated.pages), c.kinds);
        for (const PageEntry& page : generated.pages) {
            EXPECT_FALSE(page.image().isEmpty());
            EXPECT_TRUE(page.path().isEmpty()) << "kept in memory, no page file";
            EXPECT_EQ(page.imageCount, 1);
            EXPECT_TRUE(page.imagePaths[1].isEmpty());
            if (page.kind == kPageSt8)
                EXPECT_EQ(page.caption, QStringLiteral("ID: 1234"));
            else
                EXPECT_FALSE(page.caption.has_value());
        }
        EXPECT_EQ(generated.pages.front().image(), set->st1.workingImage());
    }
}

TEST_F(ReturnGenerationTest, VendorCaptionIsPaddedToFourPlaces) {
    EXPECT_EQ(vendorCaption(4178), QStringLiteral("ID: 4178"));
    EXPECT_EQ(vendorCaption(42), QStringLiteral("ID:   42"));
}

TEST_F(ReturnGenerationTest, BasesThatMissLineThreeStopBeforeAnyPage) {
    record->st1.foodSalesInside = 20000; // more than the total receipts
    const QStringList before = QDir::temp().entryList({QStringLiteral("EMF*")});
    const GeneratedReturn generated = generateSingleSiteReturn(*set, *record, context, false);
    EXPECT_EQ(generated.failure, GenerationFailure::St1BasesDoNotAddUp);
    EXPECT_TRUE(generated.pages.empty());
    EXPECT_EQ(QDir::temp().entryList({QStringLiteral("EMF*")}), before);
    EXPECT_EQ(generationFailureMessage(generated.failure),
              QStringLiteral("An error occurred while doing calculations for ST-1 page(1):\n"
                             "Lines 4a + 5a + 6a + 7a + 8a DO NOT equal Line 3. "));
}

// A page image without the form's placeholders makes its fill fail: that stops the generation
// only when the return takes the form, and then no page file of the return is left behind.
TEST_F(ReturnGenerationTest, AFailedFillStopsOnlyForAFormTheReturnTakes) {
    ASSERT_EQ(set->st8.loadImage(FormImages::path(FormImages::kSt4)), 0);
    record->client.filesST14 = 1;
    GeneratedReturn generated = generateSingleSiteReturn(*set, *record, context, false);
    EXPECT_EQ(generated.failure, GenerationFailure::None);
    EXPECT_EQ(kindsOf(generated.pages),
              (std::vector<PageKind>{kPageSt1Page1, kPageSt1Page2, kPageSt14}));

    record->client.filesST8 = 1;
    const QStringList before = QDir::temp().entryList({QStringLiteral("EMF*")});
    generated = generateSingleSiteReturn(*set, *record, context, false);
    EXPECT_EQ(generated.failure, GenerationFailure::St8);
    EXPECT_EQ(generationFailureMessage(generated.failure),
              QStringLiteral("An error occurred while printing ST-8"));
    EXPECT_TRUE(generated.pages.empty());
    EXPECT_EQ(QDir::temp().entryList({QStringLiteral("EMF*")}), before);
}

TEST_F(ReturnGenerationTest, AFieldThatCannotBeWrittenOnPageOneStopsTheGeneration) {
    ASSERT_EQ(set->st1.loadImage(FormImages::path(FormImages::kSt4)), 0);
    const GeneratedReturn generated = generateSingleSiteReturn(*set, *record, context, false);
    EXPECT_EQ(generated.failure, GenerationFailure::St1Page1);
    EXPECT_EQ(generationFailureMessage(generated.failure),
              QStringLiteral("An error occurred while printing ST-1 Page 1"));
    EXPECT_TRUE(generated.pages.empty());
}
