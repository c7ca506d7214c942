#include "MultiSiteFixture.h"

namespace {
TEST_F(MultiSiteTest, TheLocationClientRecordTakesTheSiteAndTheClientsNumbers) {
    bindClient(2);
    ClientRecord& source = multiSiteClient;
    source.filesST8 = 1;
    source.deductionGroup2 = 1;
    source.transmittalDiffers = 1;
    FixedText::set(source.email, "owner@example.com");
    ClientLocation& site = source.locations[1];
    FixedText::set(site.phone, "(217) 555-0199");
    site.motorFuel.sellsMotorFuel = 1;
    const ClientRecord built = locationClientRecord(source, site);
    EXPECT_STREQ(built.businessName, "Site 2");
    EXPECT_STREQ(built.address1, "1 Elm St");
    EXPECT_STREQ(built.phone, "(217) 555-0199");
    EXPECT_STREQ(built.ibtNumber, "1234-5678");
    EXPECT_STREQ(built.kobNumber, "5411");
    EXPECT_STREQ(built.locationCode, "076-5000-9");
    EXPECT_EQ(built.motorFuel.sellsMotorFuel, 1);
    EXPECT_EQ(built.filesST8, 1);
    EXPECT_EQ(built.deductionGroup2, 1);
    EXPECT_EQ(built.multiSite, 0);
    EXPECT_EQ(built.transmittalDiffers, 0);
    EXPECT_EQ(built.locationCount, 0);
    EXPECT_STREQ(built.email, "");
}

TEST_F(MultiSiteTest, ALocationWithoutANumberShowsItsPosition) {
    ClientLocation location{};
    EXPECT_EQ(locationDisplayNumber(location, 2), 3);
    location.locationNumber = 17;
    EXPECT_EQ(locationDisplayNumber(location, 2), 17);
}

TEST_F(MultiSiteTest, BindingClearsTheEntriesAndNextNeedsEveryLocation) {
    bindClient(2);
    ASSERT_EQ(prepare(0, 1000.00), kSt1Ok);
    EXPECT_FALSE(allLocationsPrepared(*results));
    ASSERT_EQ(prepare(1, 2000.00), kSt1Ok);
    EXPECT_TRUE(allLocationsPrepared(*results));
    bindLocations(*results, multiSiteClient);
    EXPECT_FALSE(results->entries[0].prepared);
    EXPECT_EQ(results->entries[0].st1.line1, 0);
}

TEST_F(MultiSiteTest, PreparingAgainReplacesTheEntry) {
    bindClient(2);
    ASSERT_EQ(prepare(1, 1000.00), kSt1Ok);
    ASSERT_EQ(prepare(1, 5000.00), kSt1Ok);
    EXPECT_EQ(results->entries[1].st1.line1, 5000);
}

TEST_F(MultiSiteTest, ALocationWhoseBasesDoNotAddUpIsRefusedAndKeepsItsEntry) {
    bindClient(2);
    ASSERT_EQ(prepare(0, 1000.00), kSt1Ok);
    const auto basesMissLine3 = [](ReturnRecord& location) {
        location.st1.foodSalesInside = 5000.00; // more than the receipts
    };
    EXPECT_EQ(prepare(0, 1000.00, basesMissLine3), kSt1BasesDoNotAddUp);
    EXPECT_TRUE(results->entries[0].prepared);
    EXPECT_EQ(results->entries[0].st1.line5a, 0);
    EXPECT_EQ(prepare(1, 1000.00, basesMissLine3), kSt1BasesDoNotAddUp);
    EXPECT_FALSE(results->entries[1].prepared);
}
} // namespace
