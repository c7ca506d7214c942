#include "FillingFixture.h"
#include "returns/St1Calculation.h"

namespace {
using St1WorksheetFormTest = FillingTest;

TEST_F(St1WorksheetFormTest, PrintsItemsWithTheirStylesAndLeavesServiceTaxesBlank) {
    record->st1.totalReceipts = 10000;
    record->st1.foodSalesInside = 2000;
    record->worksheet.resale = 500;
    record->worksheet.item7a = 1234; // gallons
    record->worksheet.item8b = 101;  // gasohol exemption: receipts 101 / 0.20
    record->worksheet.item8h = 7;    // 100 % biodiesel: receipts 7 / 1.00
    ASSERT_EQ(fillPage1(), kSt1Ok);
    ASSERT_TRUE(set->st1Worksheet.fill(*record));
    const St1WorksheetForm& page = set->st1Worksheet;
    // Line 4a's base loses the 108 dollars of items 8b and 8h: 7347 / 1.0875 at 8.75 %.
    EXPECT_EQ(page.fieldText(0), QStringLiteral("        591 00 ")); // 1a
    EXPECT_EQ(page.fieldText(1), blank(15));                         // 1b
    EXPECT_EQ(page.fieldText(2), QStringLiteral("         45 00 ")); // 1c
    EXPECT_EQ(page.fieldText(3), blank(15));                         // 1d
    EXPECT_EQ(page.fieldText(4), QStringLiteral("        636 00 ")); // item 2
    EXPECT_EQ(page.fieldText(43), QStringLiteral("       1234    "));
    EXPECT_EQ(page.fieldText(14), QStringLiteral("505.00         "));
    EXPECT_EQ(page.fieldText(15), QStringLiteral("        101 00 "));
    EXPECT_EQ(page.fieldText(16), QStringLiteral("0.00           "));
    EXPECT_EQ(page.fieldText(20), QStringLiteral("7.00           "));
    EXPECT_EQ(page.fieldText(42), QStringLiteral("0205           "));
    EXPECT_EQ(page.fieldText(57), blank(15));
}

TEST_F(St1WorksheetFormTest, NameFitsUpToFortyFiveCharacters) {
    FixedText::set(record->client.businessName, std::string(45, 'N'));
    EXPECT_TRUE(set->st1Worksheet.fill(*record));
    EXPECT_EQ(set->st1Worksheet.fieldText(53), QString(45, QLatin1Char('N')));
    FixedText::set(record->client.businessName, std::string(46, 'N'));
    EXPECT_FALSE(set->st1Worksheet.fill(*record));
    EXPECT_EQ(set->st1Worksheet.failedKey(), 53);
}

TEST_F(St1WorksheetFormTest, CombinedReturnKeepsTheSummedLocalTaxes) {
    record->worksheet.localTaxes = 40; // summed over the locations
    record->worksheet.item16cDescription = QStringLiteral("Home Rule Tax");
    record->worksheet.totalDeductions = 40;
    ASSERT_TRUE(set->st1Worksheet.fill(*record, St1WorksheetForm::Totals::AsCombined));
    EXPECT_EQ(set->st1Worksheet.fieldText(35), QStringLiteral("         40 00 "));
    EXPECT_EQ(set->st1Worksheet.fieldText(51), QStringLiteral("Home Rule Tax").leftJustified(45));
    ASSERT_TRUE(set->st1Worksheet.fill(*record));
    EXPECT_EQ(set->st1Worksheet.fieldText(35), blank(15)); // recomputed: no ST-14 or ST-4
}
} // namespace
