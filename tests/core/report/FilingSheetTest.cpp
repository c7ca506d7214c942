#include "returns/report/FilingSheet.h"

#include "core/report/EveryFormReturn.h"
#include "returns/ReturnCalculation.h"
#include "returns/report/PreparedReturn.h"

#include <gtest/gtest.h>

namespace {
// A March 2005 return of the worked example for a client who files ST-14, ST-4 and ST-8.
class FilingSheetTest : public ::testing::Test {
protected:
    FilingSheetTest() : today_(QDate(2005, 3, 15)) {
        prepared.record = *everyFormReturn();
        computeAll(prepared.record);
    }

    PreparedReturn prepared;

private:
    PinnedToday today_;
};

QStringList titles(const FilingSheet& sheet) {
    QStringList titles;
    for (const FilingSection& section : sheet.sections)
        titles << section.title;
    return titles;
}
} // namespace

TEST_F(FilingSheetTest, FormsInFilingOrderWithBareWholeDollars) {
    const FilingSheet sheet = filingSheet(prepared);
    EXPECT_EQ(titles(sheet), (QStringList{"Return", "ST-1", "ST-4", "ST-8", "ST-14"}));
    const FilingSection& st1 = sheet.sections[1];
    ASSERT_EQ(st1.fields.size(), 35u);
    EXPECT_EQ(st1.fields.front().label, QStringLiteral("Line A, Alcoholic liquor purchased"));
    EXPECT_EQ(st1.fields[1].value, QStringLiteral("10000"));
    EXPECT_EQ(st1.fields[4].label, QStringLiteral("Line 4a, Receipts taxed at the general rate"));
    // The tire fee of 100 joins the deductions: (10,000 - 2,000 - 45 - 600) / 1.0875.
    EXPECT_EQ(st1.fields[4].value, QStringLiteral("6763"));
    EXPECT_EQ(st1.fields.back().value, QStringLiteral("626"));
    EXPECT_EQ(sheet.sections[3].fields[3].value, QStringLiteral("100")); // ST-8 line 4: 40 x 2.50
    EXPECT_EQ(sheet.sections[0].fields[2].value, QStringLiteral("1234-5678"));
    EXPECT_EQ(sheet.heading.front(), QStringLiteral("Acme Grocery Inc"));
}

TEST_F(FilingSheetTest, NoticeAtTheThresholdOnly) {
    EXPECT_FALSE(filingSheet(prepared).notice.isEmpty()); // 10,000 a month
    prepared.record.st1.totalReceipts = 1666.00;
    computeAll(prepared.record);
    EXPECT_TRUE(filingSheet(prepared).notice.isEmpty()); // 19,992 a year
}
