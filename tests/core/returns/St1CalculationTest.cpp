#include "returns/St1Calculation.h"

#include "ReturnTestRecord.h"
#include "returns/LiabilityPeriod.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnRecord.h"

#include <gtest/gtest.h>

namespace {
// February 2005 chosen in March 2005: the current rates apply.
class St1Calculation : public ::testing::Test {
protected:
    St1Calculation() : today_(QDate(2005, 3, 15)) {}

    std::unique_ptr<ReturnRecord> returnFebruary2005(const std::string& general = "08750",
                                                     const std::string& food = "02250") {
        auto record = returnWithRates(general, food);
        record->period.monthIndex = 1;
        return record;
    }

private:
    PinnedToday today_;
};
} // namespace

TEST_F(St1Calculation, WorkedExample) {
    auto record = returnFebruary2005();
    record->st1.totalReceipts = 10000.00;
    record->st1.foodSalesInside = 2000.00;
    record->worksheet.resale = 500;
    ASSERT_EQ(computeSt1(*record), kSt1Ok);
    const St1Section& st1 = record->st1;
    EXPECT_EQ(st1.line1, 10000);
    EXPECT_EQ(st1.line5a, 2000);
    EXPECT_EQ(st1.line5b, 45);
    EXPECT_EQ(st1.line4a, 6855);
    EXPECT_EQ(st1.line4b, 600);
    EXPECT_EQ(st1.line2, 1145);
    EXPECT_EQ(st1.line3, 8855);
    EXPECT_EQ(st1.check.basesSum, 8855);
    EXPECT_EQ(st1.check.correction, 0);
    EXPECT_EQ(st1.line9, 645);
    EXPECT_EQ(st1.line10, 11);
    EXPECT_EQ(st1.line11, 634);
    EXPECT_EQ(st1.line25, 634);
    EXPECT_EQ(record->worksheet.totalDeductions, 500);
    EXPECT_EQ(record->worksheet.taxGeneralRetail, 600);
    EXPECT_EQ(record->worksheet.taxFoodRetail, 45);
    EXPECT_EQ(record->worksheet.item2(), 645);
    EXPECT_EQ(record->worksheet.item18(), 1145);
    EXPECT_EQ(record->summary.summaryTotalReceipts, 10000);
    EXPECT_EQ(record->summary.summaryDeductions, 1145);
    EXPECT_EQ(record->summary.summaryTaxableReceipts, 8855);
    EXPECT_EQ(record->summary.summaryPaymentDue, 634);
    EXPECT_EQ(record->texts.periodText, "Feb 2005");
    EXPECT_EQ(record->texts.dueDateText, "Mar 20, 2005");
    EXPECT_EQ(record->texts.periodCode, "0205");
    EXPECT_EQ(st1.rateGeneral, 0.0875);
    EXPECT_EQ(st1.rateFood, 0.0225);
    EXPECT_EQ(st1.ratePurchaseGeneral, 0.0625);
    EXPECT_EQ(st1.ratePurchaseFood, 0.01);
}

TEST_F(St1Calculation, StoredCentOfTotalReceiptsGivesZeroLines) {
    auto record = returnFebruary2005();
    record->st1.totalReceipts = 0.01;
    ASSERT_EQ(computeSt1(*record), kSt1Ok);
    EXPECT_EQ(record->st1.line1, 0);
    EXPECT_EQ(record->st1.line3, 0);
    EXPECT_EQ(record->st1.line4a, 0);
    EXPECT_EQ(record->st1.line25, 0);
}

TEST_F(St1Calculation, LateReturnHasNoDiscount) {
    auto record = returnFebruary2005();
    record->period.onTime = 0;
    record->st1.totalReceipts = 10000.00;
    ASSERT_EQ(computeSt1(*record), kSt1Ok);
    EXPECT_EQ(record->st1.line10, 0);
    EXPECT_EQ(record->st1.line11, record->st1.line9);
    EXPECT_GT(record->st1.line9, 0);
}

TEST_F(St1Calculation, TaxAtOtherRatesCountsUnroundedInLinesTwoAndThree) {
    auto record = returnFebruary2005("06250", "01000");
    record->st1.totalReceipts = 1000.00;
    record->st1.otherRateReceipts = 100.00;
    record->st1.otherRateTax = 10.40;
    ASSERT_EQ(computeSt1(*record), kSt1Ok);
    // base4 = (1000 - 100 - 10.40) / 1.0625 = 837.27..., tax 52.33...
    EXPECT_EQ(record->st1.check.line4aBeforeCheck, 837);
    EXPECT_EQ(record->st1.line4b, 52);
    EXPECT_EQ(record->st1.line8b, 10);
    EXPECT_EQ(record->st1.line9, 62);
    EXPECT_EQ(record->st1.line2, 62);   // 52 + 10.40 = 62.40
    EXPECT_EQ(record->st1.line3, 938);  // 1000 - 62.40 = 937.60
    EXPECT_EQ(record->st1.line4a, 838); // 837 + 100 is one dollar short of line 3
    EXPECT_EQ(record->worksheet.item18(), 52);
}

TEST_F(St1Calculation, OneDollarDifferencesMoveLine4aButNotLine4b) {
    const struct {
        double totalReceipts, foodSalesInside, generalSalesOutside, otherRateReceipts, otherRateTax;
        Dollars resale;
        int correction;
        Dollars line4aBefore, line4b, line3;
    } cases[] = {
        {4135.87, 1211.54, 358.48, 156.36, 10.95, 401, 1, 1791, 157, 3518},
        {8982.92, 2270.63, 11.03, 291.62, 20.41, 28, -1, 5802, 508, 8375},
    };
    for (const auto& c : cases) {
        auto record = returnFebruary2005();
        record->st1.totalReceipts = c.totalReceipts;
        record->st1.foodSalesInside = c.foodSalesInside;
        record->st1.generalSalesOutside = c.generalSalesOutside;
        record->st1.otherRateReceipts = c.otherRateReceipts;
        record->st1.otherRateTax = c.otherRateTax;
        record->worksheet.resale = c.resale;
        ASSERT_EQ(computeSt1(*record), kSt1Ok);
        const St1Section& st1 = record->st1;
        EXPECT_EQ(st1.check.correction, c.correction);
        EXPECT_EQ(st1.check.line4aBeforeCheck, c.line4aBefore);
        EXPECT_EQ(st1.line4a, c.line4aBefore + c.correction);
        EXPECT_EQ(st1.line4b, c.line4b);
        EXPECT_EQ(st1.line3, c.line3);
        EXPECT_EQ(st1.line4a + st1.line5a + st1.line6a + st1.line7a + st1.line8a, st1.line3);
    }
}

TEST_F(St1Calculation, BasesTwoDollarsOffStopWithoutSummaryOrLaterLines) {
    auto record = returnFebruary2005();
    record->st1.line25 = 99; // left from an earlier computation
    record->st1.totalReceipts = 3009.54;
    record->st1.foodSalesInside = 1000.83;
    record->st1.generalSalesOutside = 213.83;
    record->st1.otherRateReceipts = 60.71;
    record->st1.otherRateTax = 4.25;
    record->worksheet.resale = 159;
    EXPECT_EQ(computeSt1(*record), kSt1BasesDoNotAddUp);
    const St1Section& st1 = record->st1;
    EXPECT_EQ(st1.line3, 2686);
    EXPECT_EQ(st1.check.basesSum, 2688);
    EXPECT_EQ(st1.line4a, 1412); // not corrected
    EXPECT_EQ(st1.line9, 164);
    EXPECT_EQ(record->worksheet.taxGeneralRetail, 137);
    EXPECT_EQ(st1.line10, 0);
    EXPECT_EQ(st1.line25, 0);
    EXPECT_EQ(record->summary.summaryTotalReceipts, 0);
    EXPECT_EQ(record->texts.periodCode, "0205");
    EXPECT_STREQ(kSt1BasesMessage, "An error occurred while doing calculations for ST-1 "
                                   "page(1):\nLines 4a + 5a + 6a + 7a + 8a DO NOT equal Line 3. ");
}

TEST_F(St1Calculation, DeductionsAboveReceiptsGiveNegativeLinesAndComplete) {
    auto record = returnFebruary2005("06250", "01000");
    record->st1.totalReceipts = 1000.00;
    record->worksheet.resale = 2000;
    ASSERT_EQ(computeSt1(*record), kSt1Ok);
    // base4 = -1000 / 1.0625 = -941.18 rounds to -940, its tax -58.82 to -58; line 3 is
    // roundDollars(1000 - 1942) = -941, so line 4a moves down one dollar.
    EXPECT_EQ(record->st1.check.line4aBeforeCheck, -940);
    EXPECT_EQ(record->st1.line4b, -58);
    EXPECT_EQ(record->st1.line2, 1942);
    EXPECT_EQ(record->st1.line3, -941);
    EXPECT_EQ(record->st1.line4a, -941);
    // Line 9 rounds the negative sum -58 the same way: to -57.
    EXPECT_EQ(record->st1.line9, -57);
}

TEST_F(St1Calculation, FoodAmountWithTaxConvertsToItsBase) {
    auto record = returnFebruary2005();
    EXPECT_NEAR(foodBaseFromTotal(1022.50, *record), 1000.00, 1e-9);
    EXPECT_EQ(roundDollars(foodBaseFromTotal(1022.50, *record)), 1000);
}

TEST_F(St1Calculation, PurchasesPaymentsAndCreditsReachLine25) {
    auto record = returnFebruary2005("06250", "01000");
    record->st1.totalReceipts = 0.01;
    record->st1.purchasesGeneral = 1000.00; // 62.50 tax
    record->st1.purchasesFood = 1000.00;    // 10.00 tax
    record->st1.purchasesOtherRate = 200.00;
    record->st1.purchasesOtherRateTax = 14.00;
    record->st1.manufacturerCredit = 1.00;
    record->st1.prepaidTax = 2.00;
    record->st1.quarterMonthlyPayments = 3.00;
    record->st1.priorOverpayment = 4.00;
    record->st1.excessTaxCollected = 20.00;
    record->st1.creditMemorandum = 5.00;
    ASSERT_EQ(computeSt1(*record), kSt1Ok);
    const St1Section& st1 = record->st1;
    EXPECT_EQ(st1.line12a, 1000);
    EXPECT_EQ(st1.line12b, 63);
    EXPECT_EQ(st1.line13b, 10);
    EXPECT_EQ(st1.line14a, 200);
    EXPECT_EQ(st1.line14b, 14);
    EXPECT_EQ(st1.line15, 87);
    EXPECT_EQ(st1.line16, 87);
    EXPECT_EQ(st1.line20, 10);
    EXPECT_EQ(st1.line21, 77);
    EXPECT_EQ(st1.line23, 97);
    EXPECT_EQ(st1.line25, 92);
}

TEST_F(St1Calculation, WorksheetDescribesItsLocalTaxesAndFees) {
    const struct {
        double softDrinkTaxable;
        std::int64_t tiresSold;
        Dollars homeRuleFuelTax;
        Dollars softDrinkTax; // 3 % of the taxable receipts
        Dollars tireFee;      // $2.50 a tire
        const char* item16c;
        const char* item16d;
    } cases[] = {
        {0, 0, 0, 0, 0, "", ""},
        {1000.00, 0, 0, 30, 0, "Home Rule Tax", ""},
        {0, 10, 0, 0, 25, "", "Tire Tax"},
        {0, 0, 7, 0, 0, "", "Home Rule Fuel Tax"},
        {1000.00, 10, 7, 30, 25, "Home Rule Tax", "Tire Tax,Home Rule Fuel Tax"},
    };
    for (const auto& c : cases) {
        auto record = returnFebruary2005();
        record->st14.st14Method = kTaxableReceiptsMethod;
        record->st14.st14Amount = c.softDrinkTaxable;
        record->st8.tiresSold = c.tiresSold;
        record->worksheet.homeRuleFuelTax = c.homeRuleFuelTax;
        record->worksheet.repairs = 100;
        EXPECT_EQ(worksheetTotal(*record), 100 + c.softDrinkTax + c.tireFee + c.homeRuleFuelTax);
        EXPECT_EQ(record->worksheet.localTaxes, c.softDrinkTax);
        EXPECT_EQ(record->worksheet.tireAndFuelFees, c.tireFee + c.homeRuleFuelTax);
        EXPECT_EQ(record->worksheet.item16cDescription, c.item16c);
        EXPECT_EQ(record->worksheet.item16dDescription, c.item16d);
    }
}

TEST_F(St1Calculation, ComputeAllFillsTheGasoholWorksheetAfterST1) {
    auto record = returnFebruary2005();
    record->st1.totalReceipts = 0.01;
    ASSERT_EQ(computeAll(*record), kSt1Ok);
    EXPECT_EQ(record->gasoholWorksheet.divisor, 1 + 0.0875 * 0.8);
    EXPECT_EQ(record->gasoholWorksheet.ratePercent, 8.75);
}
