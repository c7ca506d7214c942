#include "returns/explain/Operand.h"

#include <iterator>

namespace {
using O = Operand;
using S = OperandStyle;

constexpr OperandInfo kOperands[] = {
    {O::TotalReceipts, "totalReceipts", "total receipts", S::Money},
    {O::LiquorPurchases, "liquorPurchases", "alcoholic liquor purchases", S::Money},
    {O::FoodSalesInside, "foodSalesInside",
     "food, drugs and medical appliances sold (tax not included)", S::Money},
    {O::GeneralSalesOutside, "generalSalesOutside",
     "general merchandise sold from outside Illinois", S::Money},
    {O::FoodSalesOutside, "foodSalesOutside",
     "food, drugs and medical appliances sold from outside Illinois", S::Money},
    {O::OtherRateReceipts, "otherRateReceipts", "receipts taxed at other rates", S::Money},
    {O::OtherRateTax, "otherRateTax", "tax at other rates", S::Money},
    {O::PurchasesGeneral, "purchasesGeneral", "general merchandise purchases", S::Money},
    {O::PurchasesFood, "purchasesFood", "food, drugs and medical appliances purchases", S::Money},
    {O::PurchasesOtherRate, "purchasesOtherRate", "purchases taxed at other rates", S::Money},
    {O::PurchasesOtherRateTax, "purchasesOtherRateTax", "tax on purchases at other rates",
     S::Money},
    {O::ManufacturerCredit, "manufacturerCredit", "Manufacturer's Purchase Credit", S::Money},
    {O::PrepaidTax, "prepaidTax", "prepaid sales tax", S::Money},
    {O::QuarterMonthlyPayments, "quarterMonthlyPayments", "quarter-monthly payments", S::Money},
    {O::PriorOverpayment, "priorOverpayment", "prior overpayment", S::Money},
    {O::ExcessTaxCollected, "excessTaxCollected", "excess tax collected", S::Money},
    {O::CreditMemorandum, "creditMemorandum", "credit memorandum", S::Money},
    {O::Resale, "resale", "resale", S::Dollars},
    {O::InterstateCommerce, "interstateCommerce", "interstate commerce", S::Dollars},
    {O::CashRefunds, "cashRefunds", "cash refunds", S::Dollars},
    {O::NewspapersMagazines, "newspapersMagazines", "newspapers and magazines", S::Dollars},
    {O::Repairs, "repairs", "repairs", S::Dollars},
    {O::Prescriptions, "prescriptions", "prescriptions", S::Dollars},
    {O::OtherService, "otherService", "other sales of service", S::Dollars},
    {O::ExemptOrganizations, "exemptOrganizations", "exempt organizations", S::Dollars},
    {O::FoodStamps, "foodStamps", "food stamps", S::Dollars},
    {O::EnterpriseZone, "enterpriseZone", "enterprise zone building materials", S::Dollars},
    {O::ManufacturingMachinery, "manufacturingMachinery", "manufacturing machinery", S::Dollars},
    {O::FarmMachinery, "farmMachinery", "farm machinery", S::Dollars},
    {O::GraphicArtsMachinery, "graphicArtsMachinery", "graphic arts machinery", S::Dollars},
    {O::OtherDeduction1, "otherDeduction1", "first other deduction", S::Dollars},
    {O::OtherDeduction2, "otherDeduction2", "second other deduction", S::Dollars},
    {O::GasolineGallons, "gasolineGallons", "gasoline gallons", S::Count},
    {O::GasoholGallons, "gasoholGallons", "gasohol gallons", S::Count},
    {O::EthanolGallons, "ethanolGallons", "majority blended ethanol fuel gallons", S::Count},
    {O::DieselGallons, "dieselGallons", "diesel gallons", S::Count},
    {O::BiodieselGallons, "biodieselGallons", "100 % biodiesel gallons", S::Count},
    {O::Blend90Gallons, "blend90Gallons", "gallons of biodiesel blend 90-99 %", S::Count},
    {O::Blend1Gallons, "blend1Gallons", "gallons of biodiesel blend 1-89 %", S::Count},
    {O::DieselholGallons, "dieselholGallons", "dieselhol gallons", S::Count},
    {O::SpecialFuelsGallons, "specialFuelsGallons", "other special fuels gallons", S::Count},
    {O::GasoholReceipts, "gasoholReceipts", "gasohol receipts", S::Money},
    {O::EthanolReceipts, "ethanolReceipts", "majority blended ethanol fuel receipts", S::Money},
    {O::BiodieselReceipts, "biodieselReceipts", "100 % biodiesel receipts", S::Money},
    {O::Blend90Receipts, "blend90Receipts", "receipts of biodiesel blend 90-99 %", S::Money},
    {O::Blend1Receipts, "blend1Receipts", "receipts of biodiesel blend 1-89 %", S::Money},
    {O::St14Amount, "st14Amount", "soft drink amount", S::Money},
    {O::St4Amount, "st4Amount", "MPEA amount", S::Money},
    {O::St4PriorOverpayment, "st4PriorOverpayment", "MPEA prior overpayment", S::Dollars},
    {O::St4Penalty, "st4Penalty", "MPEA penalty", S::Dollars},
    {O::St4Interest, "st4Interest", "MPEA interest", S::Dollars},
    {O::St4ExcessTaxCollected, "st4ExcessTaxCollected", "excess MPEA tax collected", S::Dollars},
    {O::St4CreditMemorandum, "st4CreditMemorandum", "MPEA credit memorandum", S::Dollars},
    {O::TiresSold, "tiresSold", "tires sold", S::Count},
    {O::TiresDeductible, "tiresDeductible", "deductible tires", S::Count},
    {O::St8PriorOverpayment, "st8PriorOverpayment", "ST-8 prior overpayment", S::Dollars},
    {O::St8Penalty, "st8Penalty", "ST-8 penalty", S::Dollars},
    {O::St8Interest, "st8Interest", "ST-8 interest", S::Dollars},
    {O::St8ExcessFeeCollected, "st8ExcessFeeCollected", "excess tire fee collected", S::Dollars},
    {O::St8CreditMemorandum, "st8CreditMemorandum", "ST-8 credit memorandum", S::Dollars},
    {O::GeneralRate, "", "general rate", S::Rate},
    {O::FoodRate, "", "food rate", S::Rate},
    {O::PurchaseGeneralRate, "", "general merchandise purchase rate", S::Rate},
    {O::PurchaseFoodRate, "", "food purchase rate", S::Rate},
    {O::OutsideGeneralRate, "", "state rate", S::Rate},
    {O::OutsideFoodRate, "", "state food rate", S::Rate},
    {O::DiscountRate, "", "discount rate", S::Rate},
    {O::SoftDrinkRate, "", "soft drink tax rate", S::Rate},
    {O::MpeaRate, "", "MPEA tax rate", S::Rate},
    {O::TireFee, "", "tire fee", S::Money},
    {O::CollectionAllowance, "", "collection allowance", S::Money},
    {O::StateGasolineTax, "", "state tax", S::PerGallon},
    {O::StateDieselTax, "", "state tax", S::PerGallon},
    {O::HomeRuleGasolineTax, "", "home rule gasoline tax", S::PerGallon},
    {O::HomeRuleGasoholTax, "", "home rule gasohol tax", S::PerGallon},
    {O::HomeRuleDieselTax, "", "home rule diesel tax", S::PerGallon},
    {O::HomeRuleDieselholTax, "", "home rule dieselhol tax", S::PerGallon},
    {O::HomeRuleSpecialFuelsTax, "", "home rule special fuels tax", S::PerGallon},
    {O::ExemptShare, "", "exempt share", S::Factor},
    {O::FoodTax, "", "tax on food", S::Money},
    {O::OutsideGeneralTax, "", "tax on sales from outside", S::Money},
    {O::OutsideFoodTax, "", "tax on food sold from outside", S::Money},
    {O::WorksheetDeductions, "", "worksheet deductions", S::Dollars},
    {O::GeneralBase, "", "receipts at the general rate", S::Money},
    {O::AllDeductions, "", "line 2 before rounding", S::Money},
    {O::FuelNet, "", "net receipts", S::Money},
    {O::FuelReceiptsWhole, "", "receipts", S::Dollars},
    {O::FuelHomeRuleTaxWhole, "", "home rule fuel tax", S::Dollars},
    {O::FuelStateTaxWhole, "", "state fuel tax", S::Dollars},
    {O::AllTaxesDivisor, "", "divisor", S::Factor},
    {O::SoftDrinkTax, "", "soft drink tax", S::Dollars},
    {O::MpeaBase, "", "taxable receipts", S::Dollars},
    {O::ExemptionDivisor, "", "divisor", S::Factor},
};

static_assert(std::size(kOperands) == kOperandCount);

constexpr bool inEnumOrder() {
    for (int index = 0; index < kOperandCount; ++index) {
        if (int(kOperands[index].operand) != index)
            return false;
    }
    return true;
}
static_assert(inEnumOrder(), "the table lists the operands in their enum order");
} // namespace

const OperandInfo& operandInfo(Operand operand) {
    return kOperands[int(operand)];
}
