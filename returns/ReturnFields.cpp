#include "returns/ReturnFields.h"

namespace ReturnFields {
const Field<St1Section, double> kSt1Entries[17] = {
    {"totalReceipts", &St1Section::totalReceipts},
    {"liquorPurchases", &St1Section::liquorPurchases},
    {"foodSalesInside", &St1Section::foodSalesInside},
    {"generalSalesOutside", &St1Section::generalSalesOutside},
    {"foodSalesOutside", &St1Section::foodSalesOutside},
    {"otherRateReceipts", &St1Section::otherRateReceipts},
    {"otherRateTax", &St1Section::otherRateTax},
    {"purchasesGeneral", &St1Section::purchasesGeneral},
    {"purchasesFood", &St1Section::purchasesFood},
    {"purchasesOtherRate", &St1Section::purchasesOtherRate},
    {"purchasesOtherRateTax", &St1Section::purchasesOtherRateTax},
    {"manufacturerCredit", &St1Section::manufacturerCredit},
    {"prepaidTax", &St1Section::prepaidTax},
    {"quarterMonthlyPayments", &St1Section::quarterMonthlyPayments},
    {"priorOverpayment", &St1Section::priorOverpayment},
    {"excessTaxCollected", &St1Section::excessTaxCollected},
    {"creditMemorandum", &St1Section::creditMemorandum}};
const Field<St1Worksheet, Dollars> kWorksheetDeductions[15] = {
    {"resale", &St1Worksheet::resale},
    {"interstateCommerce", &St1Worksheet::interstateCommerce},
    {"cashRefunds", &St1Worksheet::cashRefunds},
    {"newspapersMagazines", &St1Worksheet::newspapersMagazines},
    {"repairs", &St1Worksheet::repairs},
    {"prescriptions", &St1Worksheet::prescriptions},
    {"otherService", &St1Worksheet::otherService},
    {"exemptOrganizations", &St1Worksheet::exemptOrganizations},
    {"foodStamps", &St1Worksheet::foodStamps},
    {"enterpriseZone", &St1Worksheet::enterpriseZone},
    {"manufacturingMachinery", &St1Worksheet::manufacturingMachinery},
    {"farmMachinery", &St1Worksheet::farmMachinery},
    {"graphicArtsMachinery", &St1Worksheet::graphicArtsMachinery},
    {"otherDeduction1", &St1Worksheet::otherDeduction1},
    {"otherDeduction2", &St1Worksheet::otherDeduction2}};
const Field<St1Worksheet, QString> kWorksheetDescriptions[3] = {
    {"otherServiceDescription", &St1Worksheet::otherServiceDescription},
    {"otherDeduction1Description", &St1Worksheet::otherDeduction1Description},
    {"otherDeduction2Description", &St1Worksheet::otherDeduction2Description}};
const Field<FuelSales, std::int64_t> kFuelGallons[9] = {
    {"gasolineGallons", &FuelSales::gasolineGallons},
    {"gasoholGallons", &FuelSales::gasoholGallons},
    {"ethanolGallons", &FuelSales::ethanolGallons},
    {"dieselGallons", &FuelSales::dieselGallons},
    {"biodieselGallons", &FuelSales::biodieselGallons},
    {"blend90Gallons", &FuelSales::blend90Gallons},
    {"blend1Gallons", &FuelSales::blend1Gallons},
    {"dieselholGallons", &FuelSales::dieselholGallons},
    {"specialFuelsGallons", &FuelSales::specialFuelsGallons}};
const Field<FuelSales, double> kFuelReceipts[5] = {
    {"gasoholReceipts", &FuelSales::gasoholReceipts},
    {"ethanolReceipts", &FuelSales::ethanolReceipts},
    {"biodieselReceipts", &FuelSales::biodieselReceipts},
    {"blend90Receipts", &FuelSales::blend90Receipts},
    {"blend1Receipts", &FuelSales::blend1Receipts}};
const Field<St14Section, double> kSt14Amount[1] = {{"st14Amount", &St14Section::st14Amount}};
const Field<St14Section, int> kSt14Method[1] = {{"st14Method", &St14Section::st14Method}};
const Field<St4Section, double> kSt4Amount[1] = {{"st4Amount", &St4Section::st4Amount}};
const Field<St4Section, int> kSt4Method[1] = {{"st4Method", &St4Section::st4Method}};
const Field<St4Section, Dollars> kSt4Payments[5] = {
    {"st4PriorOverpayment", &St4Section::st4PriorOverpayment},
    {"st4Penalty", &St4Section::st4Penalty},
    {"st4Interest", &St4Section::st4Interest},
    {"st4ExcessTaxCollected", &St4Section::st4ExcessTaxCollected},
    {"st4CreditMemorandum", &St4Section::st4CreditMemorandum}};
const Field<St8Section, std::int64_t> kSt8Tires[2] = {
    {"tiresSold", &St8Section::tiresSold}, {"tiresDeductible", &St8Section::tiresDeductible}};
const Field<St8Section, Dollars> kSt8Payments[5] = {
    {"st8PriorOverpayment", &St8Section::st8PriorOverpayment},
    {"st8Penalty", &St8Section::st8Penalty},
    {"st8Interest", &St8Section::st8Interest},
    {"st8ExcessFeeCollected", &St8Section::st8ExcessFeeCollected},
    {"st8CreditMemorandum", &St8Section::st8CreditMemorandum}};
const Field<St1Section, Dollars> kSt1Lines[35] = {
    {"lineA", &St1Section::lineA},     {"line1", &St1Section::line1},
    {"line2", &St1Section::line2},     {"line3", &St1Section::line3},
    {"line4a", &St1Section::line4a},   {"line4b", &St1Section::line4b},
    {"line5a", &St1Section::line5a},   {"line5b", &St1Section::line5b},
    {"line6a", &St1Section::line6a},   {"line6b", &St1Section::line6b},
    {"line7a", &St1Section::line7a},   {"line7b", &St1Section::line7b},
    {"line8a", &St1Section::line8a},   {"line8b", &St1Section::line8b},
    {"line9", &St1Section::line9},     {"line10", &St1Section::line10},
    {"line11", &St1Section::line11},   {"line12a", &St1Section::line12a},
    {"line12b", &St1Section::line12b}, {"line13a", &St1Section::line13a},
    {"line13b", &St1Section::line13b}, {"line14a", &St1Section::line14a},
    {"line14b", &St1Section::line14b}, {"line15", &St1Section::line15},
    {"line16", &St1Section::line16},   {"line16a", &St1Section::line16a},
    {"line17", &St1Section::line17},   {"line18", &St1Section::line18},
    {"line19", &St1Section::line19},   {"line20", &St1Section::line20},
    {"line21", &St1Section::line21},   {"line22", &St1Section::line22},
    {"line23", &St1Section::line23},   {"line24", &St1Section::line24},
    {"line25", &St1Section::line25}};
const Field<St1Section, double> kSt1Rates[4] = {
    {"rateGeneral", &St1Section::rateGeneral},
    {"rateFood", &St1Section::rateFood},
    {"ratePurchaseGeneral", &St1Section::ratePurchaseGeneral},
    {"ratePurchaseFood", &St1Section::ratePurchaseFood}};
const Field<St1Worksheet, Dollars> kMotorFuelItems[21] = {
    {"item7a", &St1Worksheet::item7a},
    {"item7b", &St1Worksheet::item7b},
    {"item7c", &St1Worksheet::item7c},
    {"item7d", &St1Worksheet::item7d},
    {"item7e", &St1Worksheet::item7e},
    {"item7f", &St1Worksheet::item7f},
    {"item7g", &St1Worksheet::item7g},
    {"item7h", &St1Worksheet::item7h},
    {"item7i", &St1Worksheet::item7i},
    {"item7j", &St1Worksheet::item7j},
    {"item8a", &St1Worksheet::item8a},
    {"item8b", &St1Worksheet::item8b},
    {"item8c", &St1Worksheet::item8c},
    {"item8d", &St1Worksheet::item8d},
    {"item8e", &St1Worksheet::item8e},
    {"item8f", &St1Worksheet::item8f},
    {"item8g", &St1Worksheet::item8g},
    {"item8h", &St1Worksheet::item8h},
    {"item8i", &St1Worksheet::item8i},
    {"item8j", &St1Worksheet::item8j},
    {"homeRuleFuelTax", &St1Worksheet::homeRuleFuelTax}};
const Field<St1Worksheet, Dollars> kWorksheetComputed[7] = {
    {"localTaxes", &St1Worksheet::localTaxes},
    {"tireAndFuelFees", &St1Worksheet::tireAndFuelFees},
    {"totalDeductions", &St1Worksheet::totalDeductions},
    {"taxGeneralRetail", &St1Worksheet::taxGeneralRetail},
    {"taxGeneralService", &St1Worksheet::taxGeneralService},
    {"taxFoodRetail", &St1Worksheet::taxFoodRetail},
    {"taxFoodService", &St1Worksheet::taxFoodService}};
const Field<St1Worksheet, QString> kWorksheetComputedTexts[2] = {
    {"item16cDescription", &St1Worksheet::item16cDescription},
    {"item16dDescription", &St1Worksheet::item16dDescription}};
const Field<GasoholWorksheet, double> kGasoholValues[11] = {
    {"receipts", &GasoholWorksheet::receipts},         {"stateRate", &GasoholWorksheet::stateRate},
    {"homeRuleRate", &GasoholWorksheet::homeRuleRate}, {"stateTax", &GasoholWorksheet::stateTax},
    {"homeRuleTax", &GasoholWorksheet::homeRuleTax},   {"net", &GasoholWorksheet::net},
    {"divisor", &GasoholWorksheet::divisor},           {"base", &GasoholWorksheet::base},
    {"exemptShare", &GasoholWorksheet::exemptShare},   {"exemption", &GasoholWorksheet::exemption},
    {"ratePercent", &GasoholWorksheet::ratePercent}};
const Field<GasoholWorksheet, std::int64_t> kGasoholGallons[1] = {
    {"gallons", &GasoholWorksheet::gallons}};
const Field<St14Section, Dollars> kSt14Lines[7] = {
    {"line1", &St14Section::line1},
    {"line2", &St14Section::line2},
    {"line3", &St14Section::line3},
    {"line4", &St14Section::line4},
    {"line5", &St14Section::line5},
    {"line6", &St14Section::line6},
    {"st14WorksheetAmount", &St14Section::st14WorksheetAmount}};
const Field<St4Section, Dollars> kSt4Lines[16] = {
    {"line1", &St4Section::line1},   {"line2", &St4Section::line2},
    {"line3", &St4Section::line3},   {"line4", &St4Section::line4},
    {"line5", &St4Section::line5},   {"line6", &St4Section::line6},
    {"line7", &St4Section::line7},   {"line8", &St4Section::line8},
    {"line9", &St4Section::line9},   {"line10", &St4Section::line10},
    {"line11", &St4Section::line11}, {"line12", &St4Section::line12},
    {"line13", &St4Section::line13}, {"line14", &St4Section::line14},
    {"line15", &St4Section::line15}, {"st4WorksheetAmount", &St4Section::st4WorksheetAmount}};
const Field<St8Section, Dollars> kSt8Lines[16] = {
    {"line1", &St8Section::line1},   {"line2", &St8Section::line2},
    {"line3", &St8Section::line3},   {"line4", &St8Section::line4},
    {"line5", &St8Section::line5},   {"line6", &St8Section::line6},
    {"line7", &St8Section::line7},   {"line8", &St8Section::line8},
    {"line9", &St8Section::line9},   {"line10", &St8Section::line10},
    {"line11", &St8Section::line11}, {"line12", &St8Section::line12},
    {"line13", &St8Section::line13}, {"line14", &St8Section::line14},
    {"line15", &St8Section::line15}, {"st8WorksheetAmount", &St8Section::st8WorksheetAmount}};
const Field<ReturnSummary, Dollars> kSummary[7] = {
    {"summaryTotalReceipts", &ReturnSummary::summaryTotalReceipts},
    {"summaryDeductions", &ReturnSummary::summaryDeductions},
    {"summaryTaxableReceipts", &ReturnSummary::summaryTaxableReceipts},
    {"summaryPaymentDue", &ReturnSummary::summaryPaymentDue},
    {"st14PaymentDue", &ReturnSummary::st14PaymentDue},
    {"st8PaymentDue", &ReturnSummary::st8PaymentDue},
    {"st4PaymentDue", &ReturnSummary::st4PaymentDue}};
} // namespace ReturnFields
