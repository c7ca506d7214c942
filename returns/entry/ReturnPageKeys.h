#pragma once

// The steps of the return wizards, by their page numbers.
namespace PageKeys {
inline constexpr int kWelcome = 276;
inline constexpr int kPeriod = 277;
inline constexpr int kTotalReceipts = 278;
inline constexpr int kFoodInside = 279;
inline constexpr int kSalesOutside = 280;
inline constexpr int kPriorRates = 281;
inline constexpr int kResaleDeductions = 283;
inline constexpr int kMotorFuel = 284;
inline constexpr int kServiceDeductions = 285;
inline constexpr int kExemptDeductions = 286;
inline constexpr int kMachineryDeductions = 287;
inline constexpr int kOtherDeductions = 288;
inline constexpr int kPurchases = 289;
inline constexpr int kNetTaxDue = 290;
inline constexpr int kExcessTax = 291;
inline constexpr int kSummary = 292;
inline constexpr int kSt14 = 293;
inline constexpr int kSt4Step1 = 294;
inline constexpr int kSt4Step2 = 295;
inline constexpr int kSt8 = 296;
} // namespace PageKeys
