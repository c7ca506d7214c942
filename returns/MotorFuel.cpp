#include "returns/MotorFuel.h"

#include "returns/HomeRuleFuelRates.h"
#include "returns/LocationRates.h"
#include "returns/ReturnRecord.h"

#include <algorithm>

namespace {
using F = Figure;
using O = Operand;

constexpr double kGasolineTax = 0.19; // state motor fuel tax per gallon
constexpr double kDieselTax = 0.215;
constexpr double kPartlyExempt = 0.2; // gasohol, biodiesel blend 90-99 %
constexpr double kFullyExempt = 1.0;

// One fuel of item 8: its exemption line, the names of its gallons and receipts and of its
// home rule rate, and the share of its receipts that is exempt.
struct ExemptFuel {
    Figure exemption;
    Operand gallons;
    Operand receipts;
    Operand homeRuleRate;
    double exemptShare;
};

constexpr ExemptFuel kGasohol = {F::Item8b, O::GasoholGallons, O::GasoholReceipts,
                                 O::HomeRuleGasoholTax, kPartlyExempt};
constexpr ExemptFuel kEthanol = {F::Item8j, O::EthanolGallons, O::EthanolReceipts,
                                 O::HomeRuleGasoholTax, kFullyExempt};
constexpr ExemptFuel kBlend90 = {F::Item8d, O::Blend90Gallons, O::Blend90Receipts,
                                 O::HomeRuleDieselTax, kPartlyExempt};
constexpr ExemptFuel kBlend1 = {F::Item8f, O::Blend1Gallons, O::Blend1Receipts,
                                O::HomeRuleDieselTax, kFullyExempt};
constexpr ExemptFuel kBiodiesel = {F::Item8h, O::BiodieselGallons, O::BiodieselReceipts,
                                   O::HomeRuleDieselTax, kFullyExempt};

// The exemption on a fuel's receipts net of fuel taxes: the exempt share of the net taken out
// of the sales tax that the taxable share carries.
Dollars exemptionOf(const ExemptFuel& fuel, double net, double rate, StepRecorder steps) {
    const auto share = term(O::ExemptShare, fuel.exemptShare);
    return steps.rounded(fuel.exemption,
                         share * term(O::FuelNet, net) /
                             (number(1) + term(O::GeneralRate, rate) * (number(1) - share)));
}

// A net below zero counts as zero.
template <typename Net>
Net atLeastZero(const ExemptFuel& fuel, Net net, StepRecorder steps) {
    if (net >= 0)
        return net;
    steps.note(fuel.exemption, StepNote::NetBelowZero, double(net));
    return 0;
}

// Gasohol and majority blended ethanol fuel: the net stays unrounded.
Dollars gasoholTypeExemption(const ExemptFuel& fuel, std::int64_t gallons, double receipts,
                             double homeRuleRate, double rate, StepRecorder steps) {
    if (gallons == 0 && receipts == 0) {
        steps.note(fuel.exemption, StepNote::NothingSold);
        return 0;
    }
    const auto fuelGallons = term(fuel.gallons, gallons);
    const double net = steps.amount(fuel.exemption, O::FuelNet,
                                    term(fuel.receipts, receipts) -
                                        fuelGallons * term(fuel.homeRuleRate, homeRuleRate) -
                                        fuelGallons * term(O::StateGasolineTax, kGasolineTax));
    return exemptionOf(fuel, atLeastZero(fuel, net, steps), rate, steps);
}

// Biodiesel and its blends: the net is taken in whole dollars, never below zero.
Dollars biodieselTypeExemption(const ExemptFuel& fuel, std::int64_t gallons, double receipts,
                               double homeRuleRate, double rate, StepRecorder steps) {
    if (gallons == 0 && receipts == 0) {
        steps.note(fuel.exemption, StepNote::NothingSold);
        return 0;
    }
    const auto fuelGallons = term(fuel.gallons, gallons);
    const Dollars wholeReceipts = steps.rounded(fuel.exemption, term(fuel.receipts, receipts));
    const Dollars homeRuleTax =
        steps.rounded(fuel.exemption, fuelGallons * term(fuel.homeRuleRate, homeRuleRate));
    const Dollars stateTax =
        steps.rounded(fuel.exemption, fuelGallons * term(O::StateDieselTax, kDieselTax));
    const Dollars net = steps.value(fuel.exemption, term(O::FuelReceiptsWhole, wholeReceipts) -
                                                        term(O::FuelHomeRuleTaxWhole, homeRuleTax) -
                                                        term(O::FuelStateTaxWhole, stateTax));
    return exemptionOf(fuel, static_cast<double>(atLeastZero(fuel, net, steps)), rate, steps);
}

Dollars receiptsOfExemption(Figure receipts, Figure exemption, Dollars amount, double exemptShare,
                            StepRecorder steps) {
    return steps.rounded(receipts, term(exemption, amount) / term(O::ExemptShare, exemptShare));
}
} // namespace

void setExemptionReceipts(MotorFuelItems& items, StepRecorder steps) {
    items.item8a = receiptsOfExemption(F::Item8a, F::Item8b, items.item8b, kPartlyExempt, steps);
    items.item8c = receiptsOfExemption(F::Item8c, F::Item8d, items.item8d, kPartlyExempt, steps);
    items.item8e = receiptsOfExemption(F::Item8e, F::Item8f, items.item8f, kFullyExempt, steps);
    items.item8g = receiptsOfExemption(F::Item8g, F::Item8h, items.item8h, kFullyExempt, steps);
    items.item8i = receiptsOfExemption(F::Item8i, F::Item8j, items.item8j, kFullyExempt, steps);
}

namespace {
std::int64_t dieselTypeGallons(const FuelSales& sales, StepRecorder steps) {
    return steps.value(F::Item7e, term(O::DieselGallons, sales.dieselGallons) +
                                      term(O::Blend1Gallons, sales.blend1Gallons) +
                                      term(O::Blend90Gallons, sales.blend90Gallons) +
                                      term(O::BiodieselGallons, sales.biodieselGallons));
}

// A fuel's state motor fuel tax: its gallons at the state's rate per gallon.
Dollars stateFuelTax(Figure tax, Figure gallons, std::int64_t amount, Operand rate,
                     double perGallon, StepRecorder steps) {
    return steps.rounded(tax, term(gallons, amount) * term(rate, perGallon));
}

void setStateFuelTaxItems(MotorFuelItems& items, const FuelSales& sales, StepRecorder steps) {
    items.item7a = steps.value(F::Item7a, term(O::GasolineGallons, sales.gasolineGallons));
    items.item7b =
        stateFuelTax(F::Item7b, F::Item7a, items.item7a, O::StateGasolineTax, kGasolineTax, steps);
    items.item7c = steps.value(F::Item7c, term(O::GasoholGallons, sales.gasoholGallons) +
                                              term(O::EthanolGallons, sales.ethanolGallons));
    items.item7d =
        stateFuelTax(F::Item7d, F::Item7c, items.item7c, O::StateGasolineTax, kGasolineTax, steps);
    items.item7e = dieselTypeGallons(sales, steps);
    items.item7f =
        stateFuelTax(F::Item7f, F::Item7e, items.item7e, O::StateDieselTax, kDieselTax, steps);
    items.item7g = steps.value(F::Item7g, term(O::DieselholGallons, sales.dieselholGallons));
    items.item7h =
        stateFuelTax(F::Item7h, F::Item7g, items.item7g, O::StateDieselTax, kDieselTax, steps);
    items.item7i = steps.value(F::Item7i, term(O::SpecialFuelsGallons, sales.specialFuelsGallons));
    items.item7j =
        stateFuelTax(F::Item7j, F::Item7i, items.item7i, O::StateGasolineTax, kGasolineTax, steps);
}

void setExemptionItems(MotorFuelItems& items, const FuelSales& sales,
                       const HomeRuleFuelRates& homeRule, double rate, StepRecorder steps) {
    items.item8b = gasoholTypeExemption(kGasohol, sales.gasoholGallons, sales.gasoholReceipts,
                                        homeRule.gasohol, rate, steps);
    items.item8d = biodieselTypeExemption(kBlend90, sales.blend90Gallons, sales.blend90Receipts,
                                          homeRule.diesel, rate, steps);
    items.item8f = biodieselTypeExemption(kBlend1, sales.blend1Gallons, sales.blend1Receipts,
                                          homeRule.diesel, rate, steps);
    items.item8h = biodieselTypeExemption(kBiodiesel, sales.biodieselGallons,
                                          sales.biodieselReceipts, homeRule.diesel, rate, steps);
    items.item8j = gasoholTypeExemption(kEthanol, sales.ethanolGallons, sales.ethanolReceipts,
                                        homeRule.gasohol, rate, steps);
    setExemptionReceipts(items, steps);
}

Dollars homeRuleFuelTax(const FuelSales& sales, const HomeRuleFuelRates& homeRule,
                        StepRecorder steps) {
    return steps.rounded(F::HomeRuleFuelTax,
                         term(O::GasolineGallons, sales.gasolineGallons) *
                                 term(O::HomeRuleGasolineTax, homeRule.gasoline) +
                             (term(O::GasoholGallons, sales.gasoholGallons) +
                              term(O::EthanolGallons, sales.ethanolGallons)) *
                                 term(O::HomeRuleGasoholTax, homeRule.gasohol) +
                             term(F::Item7e, dieselTypeGallons(sales, {})) *
                                 term(O::HomeRuleDieselTax, homeRule.diesel) +
                             term(O::DieselholGallons, sales.dieselholGallons) *
                                 term(O::HomeRuleDieselholTax, homeRule.dieselhol) +
                             term(O::SpecialFuelsGallons, sales.specialFuelsGallons) *
                                 term(O::HomeRuleSpecialFuelsTax, homeRule.specialFuels));
}

GasoholWorksheet gasoholWorksheet(const ReturnRecord& record, double homeRuleRate, double rate,
                                  StepRecorder steps) {
    GasoholWorksheet sheet;
    sheet.receipts =
        steps.value(F::GasoholReceipts, term(O::GasoholReceipts, record.fuelSales.gasoholReceipts));
    sheet.gallons = record.fuelSales.gasoholGallons;
    sheet.stateRate = kGasolineTax;
    sheet.homeRuleRate = homeRuleRate;
    const auto gallons = term(O::GasoholGallons, sheet.gallons);
    sheet.stateTax =
        steps.value(F::GasoholStateTax, gallons * term(O::StateGasolineTax, sheet.stateRate));
    sheet.homeRuleTax = steps.value(F::GasoholHomeRuleTax,
                                    gallons * term(O::HomeRuleGasoholTax, sheet.homeRuleRate));
    const double net =
        steps.value(F::GasoholNet, term(F::GasoholReceipts, sheet.receipts) -
                                       term(F::GasoholStateTax, sheet.stateTax) -
                                       term(F::GasoholHomeRuleTax, sheet.homeRuleTax));
    sheet.net = std::max(net, 0.0);
    if (net < 0)
        steps.note(F::GasoholNet, StepNote::NetBelowZero, net);
    sheet.exemptShare = steps.value(F::GasoholExemptShare, term(O::ExemptShare, kPartlyExempt));
    const auto share = term(F::GasoholExemptShare, sheet.exemptShare);
    sheet.divisor = steps.amount(F::GasoholBase, O::ExemptionDivisor,
                                 number(1) + term(O::GeneralRate, rate) * (number(1) - share));
    sheet.base = steps.value(F::GasoholBase, term(F::GasoholNet, sheet.net) /
                                                 term(O::ExemptionDivisor, sheet.divisor));
    sheet.exemption = steps.value(F::GasoholExemption, term(F::GasoholBase, sheet.base) * share);
    sheet.ratePercent = generalRatePercent(record);
    steps.note(F::GasoholRatePercent, StepNote::RatePercent, sheet.ratePercent);
    return sheet;
}
} // namespace

void computeMotorFuel(ReturnRecord& record, StepRecorder steps) {
    record.gasoholWorksheet = GasoholWorksheet();
    const HomeRuleFuelRates homeRule = homeRuleFuelRates(record.client.motorFuel);
    const double rate = locationRates(record).general;
    MotorFuelItems& items = record.worksheet;
    setStateFuelTaxItems(items, record.fuelSales, steps);
    setExemptionItems(items, record.fuelSales, homeRule, rate, steps);
    items.homeRuleFuelTax = homeRuleFuelTax(record.fuelSales, homeRule, steps);
    record.gasoholWorksheet = gasoholWorksheet(record, homeRule.gasohol, rate, steps);
}
