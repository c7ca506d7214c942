#include "returns/MotorFuel.h"

#include "returns/HomeRuleFuelRates.h"
#include "returns/LocationRates.h"
#include "returns/ReturnRecord.h"

#include <algorithm>

namespace {
constexpr double kGasolineTax = 0.19; // state motor fuel tax per gallon
constexpr double kDieselTax = 0.215;
constexpr double kPartlyExempt = 0.2; // gasohol, biodiesel blend 90-99 %
constexpr double kFullyExempt = 1.0;

// The exemption on a fuel's receipts net of fuel taxes: the exempt share of the net taken out
// of the sales tax that the taxable share carries.
Dollars exemptionOf(double net, double exemptShare, double rate) {
    return roundDollars(exemptShare * net / (1 + rate * (1 - exemptShare)));
}

// Gasohol and majority blended ethanol fuel: the net stays unrounded. A net below zero
// counts as zero, as for the biodiesel fuels.
Dollars gasoholTypeExemption(std::int64_t gallons, double receipts, double homeRuleRate,
                             double exemptShare, double rate) {
    if (gallons == 0 && receipts == 0)
        return 0;
    const double net = receipts - gallons * homeRuleRate - gallons * kGasolineTax;
    return exemptionOf(std::max(net, 0.0), exemptShare, rate);
}

// Biodiesel and its blends: the net is taken in whole dollars, never below zero.
Dollars biodieselTypeExemption(std::int64_t gallons, double receipts, double homeRuleRate,
                               double exemptShare, double rate) {
    if (gallons == 0 && receipts == 0)
        return 0;
    const Dollars net = roundDollars(receipts) - roundDollars(gallons * homeRuleRate) -
                        roundDollars(gallons * kDieselTax);
    return exemptionOf(static_cast<double>(std::max<Dollars>(net, 0)), exemptShare, rate);
}

Dollars receiptsOfExemption(Dollars exemption, double exemptShare) {
    return roundDollars(exemption / exemptShare);
}

} // namespace

void setExemptionReceipts(MotorFuelItems& items) {
    items.item8a = receiptsOfExemption(items.item8b, kPartlyExempt);
    items.item8c = receiptsOfExemption(items.item8d, kPartlyExempt);
    items.item8e = receiptsOfExemption(items.item8f, kFullyExempt);
    items.item8g = receiptsOfExemption(items.item8h, kFullyExempt);
    items.item8i = receiptsOfExemption(items.item8j, kFullyExempt);
}

namespace {
std::int64_t dieselTypeGallons(const FuelSales& sales) {
    return sales.dieselGallons + sales.blend1Gallons + sales.blend90Gallons +
           sales.biodieselGallons;
}

void setStateFuelTaxItems(MotorFuelItems& items, const FuelSales& sales) {
    items.item7a = sales.gasolineGallons;
    items.item7b = roundDollars(items.item7a * kGasolineTax);
    items.item7c = sales.gasoholGallons + sales.ethanolGallons;
    items.item7d = roundDollars(items.item7c * kGasolineTax);
    items.item7e = dieselTypeGallons(sales);
    items.item7f = roundDollars(items.item7e * kDieselTax);
    items.item7g = sales.dieselholGallons;
    items.item7h = roundDollars(items.item7g * kDieselTax);
    items.item7i = sales.specialFuelsGallons;
    items.item7j = roundDollars(items.item7i * kGasolineTax);
}

void setExemptionItems(MotorFuelItems& items, const FuelSales& sales,
                       const HomeRuleFuelRates& homeRule, double rate) {
    items.item8b = gasoholTypeExemption(sales.gasoholGallons, sales.gasoholReceipts,
                                        homeRule.gasohol, kPartlyExempt, rate);
    items.item8d = biodieselTypeExemption(sales.blend90Gallons, sales.blend90Receipts,
                                          homeRule.diesel, kPartlyExempt, rate);
    items.item8f = biodieselTypeExemption(sales.blend1Gallons, sales.blend1Receipts,
                                          homeRule.diesel, kFullyExempt, rate);
    items.item8h = biodieselTypeExemption(sales.biodieselGallons, sales.biodieselReceipts,
                                          homeRule.diesel, kFullyExempt, rate);
    items.item8j = gasoholTypeExemption(sales.ethanolGallons, sales.ethanolReceipts,
                                        homeRule.gasohol, kFullyExempt, rate);
    setExemptionReceipts(items);
}

Dollars homeRuleFuelTax(const FuelSales& sales, const HomeRuleFuelRates& homeRule) {
    return roundDollars(sales.gasolineGallons * homeRule.gasoline +
                        (sales.gasoholGallons + sales.ethanolGallons) * homeRule.gasohol +
                        dieselTypeGallons(sales) * homeRule.diesel +
                        sales.dieselholGallons * homeRule.dieselhol +
                        sales.specialFuelsGallons * homeRule.specialFuels);
}

GasoholWorksheet gasoholWorksheet(const ReturnRecord& record, double homeRuleRate, double rate) {
    GasoholWorksheet sheet;
    sheet.receipts = record.fuelSales.gasoholReceipts;
    sheet.gallons = record.fuelSales.gasoholGallons;
    sheet.stateRate = kGasolineTax;
    sheet.homeRuleRate = homeRuleRate;
    sheet.stateTax = sheet.gallons * sheet.stateRate;
    sheet.homeRuleTax = sheet.gallons * sheet.homeRuleRate;
    sheet.net = std::max(sheet.receipts - sheet.stateTax - sheet.homeRuleTax, 0.0);
    sheet.exemptShare = kPartlyExempt;
    sheet.divisor = 1 + rate * (1 - sheet.exemptShare);
    sheet.base = sheet.net / sheet.divisor;
    sheet.exemption = sheet.base * sheet.exemptShare;
    sheet.ratePercent = generalRatePercent(record);
    return sheet;
}
} // namespace

void computeMotorFuel(ReturnRecord& record) {
    record.gasoholWorksheet = GasoholWorksheet();
    const HomeRuleFuelRates homeRule = homeRuleFuelRates(record.client.motorFuel);
    const double rate = locationRates(record).general;
    MotorFuelItems& items = record.worksheet;
    setStateFuelTaxItems(items, record.fuelSales);
    setExemptionItems(items, record.fuelSales, homeRule, rate);
    items.homeRuleFuelTax = homeRuleFuelTax(record.fuelSales, homeRule);
    record.gasoholWorksheet = gasoholWorksheet(record, homeRule.gasohol, rate);
}
