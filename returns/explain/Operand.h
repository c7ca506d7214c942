#pragma once

#include <cstdint>

// The named values a calculation step works with besides the figures themselves: what the
// preparer entered, the rates, and the unrounded amounts that pass from one step to the next.
enum class Operand : std::uint16_t {
    // Entered on the return's steps (the names of ReturnFields)
    TotalReceipts,
    LiquorPurchases,
    FoodSalesInside,
    GeneralSalesOutside,
    FoodSalesOutside,
    OtherRateReceipts,
    OtherRateTax,
    PurchasesGeneral,
    PurchasesFood,
    PurchasesOtherRate,
    PurchasesOtherRateTax,
    ManufacturerCredit,
    PrepaidTax,
    QuarterMonthlyPayments,
    PriorOverpayment,
    ExcessTaxCollected,
    CreditMemorandum,
    Resale,
    InterstateCommerce,
    CashRefunds,
    NewspapersMagazines,
    Repairs,
    Prescriptions,
    OtherService,
    ExemptOrganizations,
    FoodStamps,
    EnterpriseZone,
    ManufacturingMachinery,
    FarmMachinery,
    GraphicArtsMachinery,
    OtherDeduction1,
    OtherDeduction2,
    GasolineGallons,
    GasoholGallons,
    EthanolGallons,
    DieselGallons,
    BiodieselGallons,
    Blend90Gallons,
    Blend1Gallons,
    DieselholGallons,
    SpecialFuelsGallons,
    GasoholReceipts,
    EthanolReceipts,
    BiodieselReceipts,
    Blend90Receipts,
    Blend1Receipts,
    St14Amount,
    St4Amount,
    St4PriorOverpayment,
    St4Penalty,
    St4Interest,
    St4ExcessTaxCollected,
    St4CreditMemorandum,
    TiresSold,
    TiresDeductible,
    St8PriorOverpayment,
    St8Penalty,
    St8Interest,
    St8ExcessFeeCollected,
    St8CreditMemorandum,
    // Rates and fixed amounts
    GeneralRate,
    FoodRate,
    PurchaseGeneralRate,
    PurchaseFoodRate,
    OutsideGeneralRate,
    OutsideFoodRate,
    DiscountRate,
    SoftDrinkRate,
    MpeaRate,
    TireFee,
    CollectionAllowance,
    StateGasolineTax,
    StateDieselTax,
    HomeRuleGasolineTax,
    HomeRuleGasoholTax,
    HomeRuleDieselTax,
    HomeRuleDieselholTax,
    HomeRuleSpecialFuelsTax,
    ExemptShare,
    // Unrounded amounts handed from one step to another
    FoodTax,
    OutsideGeneralTax,
    OutsideFoodTax,
    WorksheetDeductions,
    GeneralBase,
    AllDeductions,
    FuelNet,
    FuelReceiptsWhole,
    FuelHomeRuleTaxWhole,
    FuelStateTaxWhole,
    AllTaxesDivisor,
    SoftDrinkTax,
    MpeaBase,
    ExemptionDivisor,
};

inline constexpr int kOperandCount = int(Operand::ExemptionDivisor) + 1;
inline constexpr Operand kLastEntry = Operand::St8CreditMemorandum;

// Whether the preparer entered the operand.
inline bool isEntry(Operand operand) {
    return operand <= kLastEntry;
}

// How an operand's value reads.
enum class OperandStyle : std::uint8_t { Money, Dollars, Count, Rate, PerGallon, Factor };

struct OperandInfo {
    Operand operand;
    const char* key;   // the entry's name in ReturnFields; empty for any other operand
    const char* label; // how the text names it: "total receipts"
    OperandStyle style;
};

const OperandInfo& operandInfo(Operand operand);
