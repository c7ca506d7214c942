#pragma once

// The keys of the client wizard's steps, in the order the wizard shows them.
namespace StepKeys {
inline constexpr int kWelcome = 137;
inline constexpr int kSiteKind = 273;
inline constexpr int kBusiness = 138;
inline constexpr int kLocations = 314;
inline constexpr int kTaxNumbers = 139;
inline constexpr int kTransmittal = 269;
inline constexpr int kSoftDrinkTax = 270;
inline constexpr int kFoodAndBeverageTax = 271;
inline constexpr int kTireFee = 272;
inline constexpr int kMotorFuel = 310;
inline constexpr int kDeductionGroup1 = 311;
inline constexpr int kDeductionGroup2 = 312;
inline constexpr int kDeductionGroup3 = 313;
inline constexpr int kLetter = 7425;
inline constexpr int kFinish = 149;
} // namespace StepKeys
