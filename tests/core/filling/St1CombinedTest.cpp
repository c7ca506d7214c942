#include "FillingFixture.h"
#include "returns/St1Calculation.h"

namespace {
using St1CombinedTest = FillingTest;

// Kept values as a location's page 1 fill leaves them.
St1KeptValues location(Dollars line1, Dollars line25, const QString& name) {
    St1KeptValues kept;
    kept.amounts[1] = line1;
    kept.amounts[42] = line25;
    kept.voucher = line25;
    for (const int rate : St1Keys::kRates)
        kept.rates[size_t(rate)] = 0.0625;
    kept.texts[20] = QStringLiteral(".0175");
    kept.texts[57] = name;
    kept.texts[52] = QStringLiteral("Feb 2005");
    kept.texts[55] = QStringLiteral("location line");
    return kept;
}

TEST_F(St1CombinedTest, SumsTheLocationsAndTakesTheTextsOfThePrimary) {
    const St1KeptValues locations[] = {location(1000, 300, QStringLiteral("Primary Store")),
                                       location(2500, -300, QStringLiteral("Second Store"))};
    const St1KeptValues combined = combineKeptValues(locations);
    EXPECT_EQ(combined.amounts[1], 3500);
    EXPECT_EQ(combined.voucher, 0);
    EXPECT_EQ(combined.texts[57], QStringLiteral("Primary Store"));
    EXPECT_EQ(combined.texts[55], blank(30) + QStringLiteral("ST-2"));
    for (const int rate : St1Keys::kRates)
        EXPECT_EQ(combined.rates[size_t(rate)], 0.0);
}

TEST_F(St1CombinedTest, PrintsBlankRatesVendorOfThePageFillAndAZeroVoucher) {
    ASSERT_EQ(set->st1.fill(*record, context), kSt1Ok); // from empty inputs, as the wizard does
    const St1KeptValues locations[] = {location(1000, 300, QStringLiteral("Primary Store")),
                                       location(2500, -300, QStringLiteral("Second Store"))};
    set->st1.kept() = combineKeptValues(locations);
    context.vendorId = 9999; // the combined fill does not write the vendor again
    ASSERT_TRUE(set->st1.fillCombined(context));
    const St1Form& page = set->st1;
    EXPECT_EQ(page.fieldText(1), QStringLiteral("       3500 00 "));
    EXPECT_EQ(page.fieldText(42), blank(15));
    EXPECT_EQ(page.fieldText(47), QStringLiteral("0.00           "));
    for (const int rate : St1Keys::kRates)
        EXPECT_EQ(page.fieldText(rate), blank(5)) << "key " << rate;
    EXPECT_EQ(page.fieldText(20), QStringLiteral(".0175"));
    EXPECT_EQ(page.fieldText(48), QStringLiteral("1234           "));
    EXPECT_EQ(page.fieldText(49), QStringLiteral("1234           "));
    EXPECT_EQ(page.fieldText(55), blank(30) + QStringLiteral("ST-2") + blank(11));
    EXPECT_EQ(page.fieldText(57), QStringLiteral("Primary Store").leftJustified(41));
    // Signature lines that were not kept keep what the page fill wrote.
    EXPECT_EQ(page.fieldText(45), QStringLiteral("Jane Q Preparer      312-555-0100"));
}

TEST_F(St1CombinedTest, StopsAtAKeptTextTooLongForItsField) {
    ASSERT_EQ(set->st1.fill(*record, context), kSt1Ok);
    St1KeptValues kept = location(1000, 300, QStringLiteral("Primary Store"));
    kept.texts[52] = QString(31, QLatin1Char('P'));
    set->st1.kept() = kept;
    EXPECT_FALSE(set->st1.fillCombined(context));
    EXPECT_EQ(set->st1.failedKey(), 52);
}
} // namespace
