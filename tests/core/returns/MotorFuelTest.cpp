#include "returns/MotorFuel.h"

#include "ReturnTestRecord.h"
#include "returns/HomeRuleFuelRates.h"

#include <gtest/gtest.h>

namespace {
class MotorFuel : public ::testing::Test {
protected:
    MotorFuel() : today_(QDate(2005, 3, 15)) {}

    // A location taxing general merchandise at 6.25 % in the given home rule category.
    static std::unique_ptr<ReturnRecord> fuelReturn(int category) {
        auto record = returnWithRates("06250");
        record->client.motorFuel.sellsMotorFuel = 1;
        record->client.motorFuel.homeRuleCategory = category;
        return record;
    }

private:
    PinnedToday today_;
};

MotorFuelProfile profile(int category) {
    MotorFuelProfile profile{};
    profile.homeRuleCategory = category;
    profile.gasolineCents = 2;
    profile.gasoholCents = 3;
    profile.dieselCents = 4;
    profile.dieselholCents = 5;
    profile.specialFuelsCents = 6;
    return profile;
}
} // namespace

TEST(HomeRuleFuelRates, RatesPerGallonByCategory) {
    const struct {
        int category;
        double gasoline, gasohol, diesel, dieselhol, specialFuels;
    } cases[] = {
        {0, 0.11, 0.11, 0.05, 0, 0},
        {1, 0.11, 0.11, 0.05, 0, 0},
        {2, 0.06, 0.06, 0, 0, 0},
        {3, 0, 0, 0, 0, 0},
        {4, 0, 0, 0, 0, 0},
        {5, 0, 0, 0, 0, 0},
        {6, 0.02, 0.03, 0.04, 0.05, 0.06},
        {7, 0, 0, 0, 0, 0},
        {-1, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.category);
        const HomeRuleFuelRates rates = homeRuleFuelRates(profile(c.category));
        EXPECT_EQ(rates.gasoline, c.gasoline);
        EXPECT_EQ(rates.gasohol, c.gasohol);
        EXPECT_EQ(rates.diesel, c.diesel);
        EXPECT_EQ(rates.dieselhol, c.dieselhol);
        EXPECT_EQ(rates.specialFuels, c.specialFuels);
    }
}

TEST_F(MotorFuel, WorkedGasoholExample) {
    auto record = fuelReturn(2);
    record->fuelSales.gasoholGallons = 1000;
    record->fuelSales.gasoholReceipts = 2500.00;
    computeMotorFuel(*record);
    const GasoholWorksheet& sheet = record->gasoholWorksheet;
    EXPECT_EQ(sheet.receipts, 2500.00);
    EXPECT_EQ(sheet.gallons, 1000);
    EXPECT_EQ(sheet.stateRate, 0.19);
    EXPECT_EQ(sheet.homeRuleRate, 0.06);
    EXPECT_DOUBLE_EQ(sheet.stateTax, 190.00);
    EXPECT_DOUBLE_EQ(sheet.homeRuleTax, 60.00);
    EXPECT_DOUBLE_EQ(sheet.net, 2250.00);
    EXPECT_DOUBLE_EQ(sheet.divisor, 1.05);
    EXPECT_NEAR(sheet.base, 2142.857, 0.001);
    EXPECT_EQ(sheet.exemptShare, 0.2);
    EXPECT_NEAR(sheet.exemption, 428.571, 0.001);
    EXPECT_EQ(sheet.ratePercent, 6.25);
    const St1Worksheet& items = record->worksheet;
    EXPECT_EQ(items.item8b, 429);
    EXPECT_EQ(items.item8a, 2145);
    EXPECT_EQ(items.item7c, 1000);
    EXPECT_EQ(items.item7d, 190);
    EXPECT_EQ(items.homeRuleFuelTax, 60);
}

TEST_F(MotorFuel, StateFuelTaxPerFuelGroup) {
    auto record = fuelReturn(3);
    FuelSales& sales = record->fuelSales;
    sales.gasolineGallons = 100;
    sales.gasoholGallons = 10;
    sales.ethanolGallons = 20;
    sales.dieselGallons = 1;
    sales.blend90Gallons = 2;
    sales.blend1Gallons = 3;
    sales.biodieselGallons = 4;
    sales.dieselholGallons = 200;
    sales.specialFuelsGallons = 1000;
    computeMotorFuel(*record);
    const St1Worksheet& items = record->worksheet;
    EXPECT_EQ(items.item7a, 100);
    EXPECT_EQ(items.item7b, 19);
    EXPECT_EQ(items.item7c, 30);
    EXPECT_EQ(items.item7d, 6); // 5.70
    EXPECT_EQ(items.item7e, 10);
    EXPECT_EQ(items.item7f, 2); // 2.15
    EXPECT_EQ(items.item7g, 200);
    EXPECT_EQ(items.item7h, 43);
    EXPECT_EQ(items.item7i, 1000);
    EXPECT_EQ(items.item7j, 190);
    EXPECT_EQ(items.homeRuleFuelTax, 0); // category 3 has no home rule fuel tax
}

TEST_F(MotorFuel, NoHomeRuleFuelTaxInCategoriesThreeToFive) {
    for (int category : {3, 4, 5}) {
        auto record = fuelReturn(category);
        record->fuelSales.gasolineGallons = 1000;
        record->fuelSales.gasoholGallons = 1000;
        record->fuelSales.dieselGallons = 1000;
        computeMotorFuel(*record);
        EXPECT_EQ(record->worksheet.homeRuleFuelTax, 0) << "category " << category;
        EXPECT_EQ(record->gasoholWorksheet.homeRuleRate, 0.0);
    }
}

TEST_F(MotorFuel, TypedCentsApplyPerFuelInCategorySix) {
    auto record = fuelReturn(6);
    record->client.motorFuel.gasolineCents = 2;
    record->client.motorFuel.gasoholCents = 3;
    record->fuelSales.gasolineGallons = 100;
    record->fuelSales.gasoholGallons = 100;
    computeMotorFuel(*record);
    EXPECT_EQ(record->worksheet.homeRuleFuelTax, 5);
}

TEST_F(MotorFuel, NoGallonsAndNoReceiptsGiveNoExemption) {
    auto record = fuelReturn(0);
    computeMotorFuel(*record);
    const St1Worksheet& items = record->worksheet;
    EXPECT_EQ(items.item8b + items.item8d + items.item8f + items.item8h + items.item8j, 0);
    EXPECT_EQ(items.item8a + items.item8c + items.item8e + items.item8g + items.item8i, 0);
    EXPECT_EQ(record->gasoholWorksheet.divisor, 1.05);
    EXPECT_EQ(record->gasoholWorksheet.exemption, 0.0);
}

TEST_F(MotorFuel, ReceiptsBelowTheFuelTaxesGiveNoExemption) {
    auto record = fuelReturn(0);
    FuelSales& sales = record->fuelSales;
    sales.gasoholGallons = 1000; // taxes 300.00
    sales.gasoholReceipts = 250.00;
    sales.ethanolGallons = 1000;
    sales.ethanolReceipts = 100.00;
    sales.blend90Gallons = 1000; // taxes 265.00
    sales.blend90Receipts = 200.00;
    sales.blend1Gallons = 1000;
    sales.blend1Receipts = 264.00;
    computeMotorFuel(*record);
    EXPECT_EQ(record->worksheet.item8b, 0);
    EXPECT_EQ(record->worksheet.item8j, 0);
    EXPECT_EQ(record->worksheet.item8d, 0);
    EXPECT_EQ(record->worksheet.item8f, 0);
    EXPECT_EQ(record->gasoholWorksheet.net, 0.0);
    EXPECT_EQ(record->gasoholWorksheet.exemption, 0.0);
}

TEST_F(MotorFuel, BiodieselExemptionsWorkOnWholeDollars) {
    auto record = fuelReturn(0); // diesel home rule tax 5 cents
    FuelSales& sales = record->fuelSales;
    sales.blend90Gallons = 1000;
    sales.blend90Receipts = 3265.00; // net 3265 - 50 - 215 = 3000
    sales.blend1Gallons = 100;
    sales.blend1Receipts = 1026.60; // net 1027 - 5 - rd(21.50) = 1000
    sales.biodieselGallons = 10;
    sales.biodieselReceipts = 500.00; // net 500 - rd(0.50) - rd(2.15) = 497
    computeMotorFuel(*record);
    const St1Worksheet& items = record->worksheet;
    EXPECT_EQ(items.item8d, 571); // 0.2 x 3000 / 1.05 = 571.43
    EXPECT_EQ(items.item8c, 2855);
    EXPECT_EQ(items.item8f, 1000);
    EXPECT_EQ(items.item8e, 1000);
    EXPECT_EQ(items.item8h, 497);
    EXPECT_EQ(items.item8g, 497);
    EXPECT_EQ(items.item7e, 1110);
}

TEST_F(MotorFuel, EthanolIsFullyExemptOnItsNet) {
    auto record = fuelReturn(2);
    record->fuelSales.ethanolGallons = 100;
    record->fuelSales.ethanolReceipts = 400.00; // net 400 - 6 - 19 = 375
    computeMotorFuel(*record);
    EXPECT_EQ(record->worksheet.item8j, 375);
    EXPECT_EQ(record->worksheet.item8i, 375);
    EXPECT_EQ(record->worksheet.item7c, 100);
    EXPECT_EQ(record->gasoholWorksheet.gallons, 0); // the worksheet covers gasohol only
}
