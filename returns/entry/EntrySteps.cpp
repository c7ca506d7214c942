#include "returns/entry/EntrySteps.h"

#include "clients/ClientRecord.h"

#include <algorithm>

namespace {
using EntrySteps::Condition;
using EntrySteps::Field;
using Kind = EntrySteps::FieldKind;

constexpr Field kReceipts[] = {{"st1", "totalReceipts", Kind::Dollars},
                               {"st1", "liquorPurchases", Kind::Dollars}};
// The base without tax (method 1) or the amount with the tax (method 2).
constexpr Field kFood[] = {{"st1", "foodSalesInside", Kind::Dollars},
                           {"st1", "foodEntered", Kind::Dollars}};
constexpr Field kSalesOutside[] = {{"st1", "generalSalesOutside", Kind::Dollars},
                                   {"st1", "foodSalesOutside", Kind::Dollars}};
constexpr Field kPriorRates[] = {{"st1", "otherRateReceipts", Kind::Dollars},
                                 {"st1", "otherRateTax", Kind::Dollars}};
constexpr Field kResale[] = {{"worksheet", "resale", Kind::Dollars},
                             {"worksheet", "interstateCommerce", Kind::Dollars},
                             {"worksheet", "cashRefunds", Kind::Dollars},
                             {"worksheet", "newspapersMagazines", Kind::Dollars}};
constexpr Field kMotorFuel[] = {{"fuelSales", "gasolineGallons", Kind::WholeNumber},
                                {"fuelSales", "gasoholGallons", Kind::WholeNumber},
                                {"fuelSales", "ethanolGallons", Kind::WholeNumber},
                                {"fuelSales", "dieselGallons", Kind::WholeNumber},
                                {"fuelSales", "biodieselGallons", Kind::WholeNumber},
                                {"fuelSales", "blend90Gallons", Kind::WholeNumber},
                                {"fuelSales", "blend1Gallons", Kind::WholeNumber},
                                {"fuelSales", "dieselholGallons", Kind::WholeNumber},
                                {"fuelSales", "specialFuelsGallons", Kind::WholeNumber},
                                {"fuelSales", "gasoholReceipts", Kind::Dollars},
                                {"fuelSales", "ethanolReceipts", Kind::Dollars},
                                {"fuelSales", "biodieselReceipts", Kind::Dollars},
                                {"fuelSales", "blend90Receipts", Kind::Dollars},
                                {"fuelSales", "blend1Receipts", Kind::Dollars}};
constexpr Field kService[] = {{"worksheet", "repairs", Kind::Dollars},
                              {"worksheet", "prescriptions", Kind::Dollars},
                              {"worksheet", "otherServiceDescription", Kind::Text},
                              {"worksheet", "otherService", Kind::Dollars}};
constexpr Field kExempt[] = {{"worksheet", "exemptOrganizations", Kind::Dollars},
                             {"worksheet", "foodStamps", Kind::Dollars},
                             {"worksheet", "enterpriseZone", Kind::Dollars}};
constexpr Field kMachinery[] = {{"worksheet", "manufacturingMachinery", Kind::Dollars},
                                {"worksheet", "farmMachinery", Kind::Dollars},
                                {"worksheet", "graphicArtsMachinery", Kind::Dollars}};
constexpr Field kOtherDeductions[] = {{"worksheet", "otherDeduction1Description", Kind::Text},
                                      {"worksheet", "otherDeduction1", Kind::Dollars},
                                      {"worksheet", "otherDeduction2Description", Kind::Text},
                                      {"worksheet", "otherDeduction2", Kind::Dollars}};
constexpr Field kPurchases[] = {{"st1", "purchasesGeneral", Kind::Dollars},
                                {"st1", "purchasesFood", Kind::Dollars},
                                {"st1", "purchasesOtherRate", Kind::Dollars},
                                {"st1", "purchasesOtherRateTax", Kind::Dollars}};
constexpr Field kNetTaxDue[] = {{"st1", "prepaidTax", Kind::Dollars},
                                {"st1", "priorOverpayment", Kind::Dollars},
                                {"st1", "quarterMonthlyPayments", Kind::Dollars},
                                {"st1", "manufacturerCredit", Kind::Dollars}};
constexpr Field kExcessTax[] = {{"st1", "creditMemorandum", Kind::Dollars},
                                {"st1", "excessTaxCollected", Kind::Dollars}};
constexpr Field kSt14[] = {{"st14", "st14Method", Kind::Method},
                           {"st14", "st14Amount", Kind::Dollars}};
constexpr Field kSt4[] = {{"st4", "st4Method", Kind::Method}, {"st4", "st4Amount", Kind::Dollars}};
constexpr Field kSt4Payments[] = {{"st4", "st4PriorOverpayment", Kind::Dollars},
                                  {"st4", "st4Penalty", Kind::Dollars},
                                  {"st4", "st4Interest", Kind::Dollars},
                                  {"st4", "st4ExcessTaxCollected", Kind::Dollars},
                                  {"st4", "st4CreditMemorandum", Kind::Dollars}};
constexpr Field kSt8[] = {
    {"st8", "tiresSold", Kind::WholeNumber},       {"st8", "tiresDeductible", Kind::WholeNumber},
    {"st8", "st8PriorOverpayment", Kind::Dollars}, {"st8", "st8Penalty", Kind::Dollars},
    {"st8", "st8Interest", Kind::Dollars},         {"st8", "st8ExcessFeeCollected", Kind::Dollars},
    {"st8", "st8CreditMemorandum", Kind::Dollars}};

const EntrySteps::Step kSteps[] = {
    {PageKeys::kTotalReceipts, Condition::Always, false, kReceipts},
    {PageKeys::kFoodInside, Condition::Always, false, kFood},
    {PageKeys::kSalesOutside, Condition::Always, false, kSalesOutside},
    {PageKeys::kPriorRates, Condition::Always, true, kPriorRates},
    {PageKeys::kResaleDeductions, Condition::DeductionGroup1, false, kResale},
    {PageKeys::kMotorFuel, Condition::SellsMotorFuel, false, kMotorFuel},
    {PageKeys::kServiceDeductions, Condition::Always, true, kService},
    {PageKeys::kExemptDeductions, Condition::DeductionGroup2, true, kExempt},
    {PageKeys::kMachineryDeductions, Condition::DeductionGroup3, true, kMachinery},
    {PageKeys::kOtherDeductions, Condition::Always, true, kOtherDeductions},
    {PageKeys::kPurchases, Condition::Always, false, kPurchases},
    {PageKeys::kNetTaxDue, Condition::Always, true, kNetTaxDue},
    {PageKeys::kExcessTax, Condition::Always, true, kExcessTax},
    {PageKeys::kSt14, Condition::FilesSt14, false, kSt14},
    {PageKeys::kSt4Step1, Condition::FilesSt4, false, kSt4},
    {PageKeys::kSt4Step2, Condition::FilesSt4, false, kSt4Payments},
    {PageKeys::kSt8, Condition::FilesSt8, false, kSt8},
};
} // namespace

std::span<const EntrySteps::Step> EntrySteps::all() {
    return kSteps;
}

const EntrySteps::Step* EntrySteps::find(int page) {
    const auto step = std::ranges::find(kSteps, page, &Step::page);
    return step == std::end(kSteps) ? nullptr : &*step;
}

const EntrySteps::Field* EntrySteps::findField(const QString& key, const Step** step) {
    for (const Step& candidate : kSteps) {
        for (const Field& field : candidate.fields) {
            if (key == QLatin1String(field.key)) {
                if (step)
                    *step = &candidate;
                return &field;
            }
        }
    }
    return nullptr;
}

bool EntrySteps::included(const Step& step, const ClientRecord& client) {
    switch (step.condition) {
    case Condition::Always:
        return true;
    case Condition::DeductionGroup1:
        return client.deductionGroup1 == 1;
    case Condition::SellsMotorFuel:
        return client.motorFuel.sellsMotorFuel == 1;
    case Condition::DeductionGroup2:
        return client.deductionGroup2 == 1;
    case Condition::DeductionGroup3:
        return client.deductionGroup3 == 1;
    case Condition::FilesSt14:
        return client.filesST14 == 1;
    case Condition::FilesSt4:
        return client.filesST4 == 1;
    case Condition::FilesSt8:
        return client.filesST8 == 1;
    }
    return false;
}

bool EntrySteps::pageIncluded(int page, const ClientRecord& client) {
    const Step* step = find(page);
    return !step || included(*step, client);
}

QString EntrySteps::missingCondition(Condition condition) {
    switch (condition) {
    case Condition::Always:
        break;
    case Condition::DeductionGroup1:
        return QStringLiteral("the client's profile has no resale, interstate commerce, cash "
                              "refund or newspaper deductions");
    case Condition::SellsMotorFuel:
        return QStringLiteral("the profile of the client (or, for a multi-site client, of the "
                              "location) has no motor fuel sales");
    case Condition::DeductionGroup2:
        return QStringLiteral("the client's profile has no exempt organization, food stamp or "
                              "enterprise zone deductions");
    case Condition::DeductionGroup3:
        return QStringLiteral("the client's profile has no machinery deductions");
    case Condition::FilesSt14:
        return QStringLiteral("the client does not file ST-14");
    case Condition::FilesSt4:
        return QStringLiteral("the client does not file ST-4");
    case Condition::FilesSt8:
        return QStringLiteral("the client does not file ST-8");
    }
    return {};
}

AmountText::Kind EntrySteps::amountKind(FieldKind kind) {
    return kind == FieldKind::WholeNumber ? AmountText::Kind::WholeNumber
                                          : AmountText::Kind::Dollars;
}
