#include "returns/St1Calculation.h"

#include "platform/Clock.h"
#include "returns/LiabilityPeriod.h"
#include "returns/LocalReturns.h"
#include "returns/LocationRates.h"
#include "returns/ReturnRecord.h"

namespace {
Dollars enteredDeductions(const St1Worksheet& sheet) {
    return sheet.resale + sheet.interstateCommerce + sheet.cashRefunds + sheet.newspapersMagazines +
           sheet.deductedAmounts() + sheet.repairs + sheet.prescriptions + sheet.otherService +
           sheet.exemptOrganizations + sheet.foodStamps + sheet.enterpriseZone +
           sheet.manufacturingMachinery + sheet.farmMachinery + sheet.graphicArtsMachinery +
           sheet.otherDeduction1 + sheet.otherDeduction2;
}

// Item 16d's description names the parts of a total that is not 0.
QString tireAndFuelDescription(Dollars tireFee, Dollars fuelTax) {
    if (tireFee == 0)
        return QStringLiteral("Home Rule Fuel Tax");
    if (fuelTax == 0)
        return QStringLiteral("Tire Tax");
    return QStringLiteral("Tire Tax,Home Rule Fuel Tax");
}

void setRates(St1Section& st1, const LocationRates& rates) {
    st1.rateGeneral = rates.general;
    st1.rateFood = rates.food;
    st1.ratePurchaseGeneral = rates.purchaseGeneral;
    st1.ratePurchaseFood = rates.purchaseFood;
}

// Lines A to 9 in the order each feeds the next: the entered bases, the taxes on them, the
// general merchandise base derived from what is left of total receipts, then lines 2 and 3.
void computeReceiptLines(St1Section& st1, double deductions) {
    st1.lineA = roundDollars(st1.liquorPurchases);
    st1.line1 = roundDollars(st1.totalReceipts);
    st1.line5a = roundDollars(st1.foodSalesInside);
    st1.line6a = roundDollars(st1.generalSalesOutside);
    st1.line7a = roundDollars(st1.foodSalesOutside);
    st1.line8a = roundDollars(st1.otherRateReceipts);
    st1.line8b = roundDollars(st1.otherRateTax);
    const double foodTax = st1.rateFood * st1.foodSalesInside;
    st1.line5b = roundDollars(foodTax);
    const double outsideGeneralTax = st1.generalSalesOutside * St1Rates::kOutsideGeneralRate;
    st1.line6b = roundDollars(outsideGeneralTax);
    const double outsideFoodTax = st1.foodSalesOutside * St1Rates::kOutsideFoodRate;
    st1.line7b = roundDollars(outsideFoodTax);
    const double generalBase =
        (st1.totalReceipts - st1.foodSalesInside - foodTax - st1.generalSalesOutside -
         outsideGeneralTax - st1.foodSalesOutside - outsideFoodTax - st1.otherRateReceipts -
         st1.otherRateTax - deductions) /
        (1 + st1.rateGeneral);
    st1.line4a = roundDollars(generalBase);
    st1.line4b = roundDollars(st1.rateGeneral * generalBase);
    // Line 2 carries the tax at other rates as entered, unrounded.
    const double allDeductions =
        st1.line4b + deductions + st1.line5b + st1.line6b + st1.line7b + st1.otherRateTax;
    st1.line2 = roundDollars(allDeductions);
    st1.line3 = roundDollars(st1.totalReceipts - allDeductions);
    st1.line9 = roundDollars(
        static_cast<double>(st1.line4b + st1.line5b + st1.line6b + st1.line7b + st1.line8b));
}

// Compares the bases with line 3 and moves line 4a by a one-dollar rounding difference.
bool checkBases(St1Section& st1) {
    St1Check& check = st1.check;
    check.basesSum = st1.line4a + st1.line5a + st1.line6a + st1.line7a + st1.line8a;
    check.line4aBeforeCheck = st1.line4a;
    const Dollars difference = st1.line3 - check.basesSum;
    if (difference < -1 || difference > 1)
        return false;
    check.correction = static_cast<int>(difference);
    st1.line4a += difference;
    return true;
}

void computeTaxDueLines(St1Section& st1, bool onTime) {
    st1.line10 = onTime ? roundDollars(st1.line9 * St1Rates::kDiscountRate) : 0;
    st1.line11 = st1.line9 - st1.line10;
    st1.line12a = roundDollars(st1.purchasesGeneral);
    st1.line13a = roundDollars(st1.purchasesFood);
    st1.line14a = roundDollars(st1.purchasesOtherRate);
    st1.line12b = roundDollars(st1.ratePurchaseGeneral * st1.purchasesGeneral);
    st1.line13b = roundDollars(st1.ratePurchaseFood * st1.purchasesFood);
    st1.line14b = roundDollars(st1.purchasesOtherRateTax);
    st1.line15 = roundDollars(static_cast<double>(st1.line12b + st1.line13b + st1.line14b));
    st1.line16 = st1.line11 + st1.line15;
    st1.line16a = roundDollars(st1.manufacturerCredit);
    st1.line17 = roundDollars(st1.prepaidTax);
    st1.line18 = roundDollars(st1.quarterMonthlyPayments);
    st1.line19 = roundDollars(st1.priorOverpayment);
    st1.line20 = st1.line16a + st1.line17 + st1.line18 + st1.line19;
    st1.line21 = st1.line16 - st1.line20;
    st1.line22 = roundDollars(st1.excessTaxCollected);
    st1.line23 = st1.line21 + st1.line22;
    st1.line24 = roundDollars(st1.creditMemorandum);
    st1.line25 = st1.line23 - st1.line24;
}

void setTexts(ReturnTexts& texts, const ReturnPeriod& period) {
    const QDate today = Clock::today();
    texts.periodText = periodText(period, today);
    texts.dueDateText = dueDateText(period, today);
    texts.periodCode = periodCode(period, today);
}
} // namespace

void setSummary(ReturnSummary& summary, const St1Lines& lines) {
    summary.summaryTotalReceipts = lines.line1;
    summary.summaryDeductions = lines.line2;
    summary.summaryTaxableReceipts = lines.line3;
    summary.summaryPaymentDue = lines.line25;
}

double foodBaseFromTotal(double amountWithTax, const ReturnRecord& record) {
    return amountWithTax / (1 + locationRates(record).food);
}

Dollars totalWorksheet(St1Worksheet& sheet, Dollars localTaxes, Dollars tireFee) {
    sheet.localTaxes = localTaxes;
    sheet.tireAndFuelFees = tireFee + sheet.homeRuleFuelTax;
    sheet.totalDeductions = enteredDeductions(sheet) + sheet.localTaxes + sheet.tireAndFuelFees;
    sheet.item16cDescription = sheet.localTaxes != 0 ? QStringLiteral("Home Rule Tax") : QString();
    sheet.item16dDescription = sheet.tireAndFuelFees != 0
                                   ? tireAndFuelDescription(tireFee, sheet.homeRuleFuelTax)
                                   : QString();
    return sheet.totalDeductions;
}

Dollars worksheetTotal(ReturnRecord& record) {
    computeSt14(record);
    computeSt4(record);
    computeSt8(record);
    return totalWorksheet(record.worksheet,
                          record.st14.st14WorksheetAmount + record.st4.st4WorksheetAmount,
                          record.st8.st8WorksheetAmount);
}

int computeSt1(ReturnRecord& record) {
    // The texts depend on the period alone, so they are current even when the bases fail.
    setTexts(record.texts, record.period);
    St1Section& st1 = record.st1;
    static_cast<St1Lines&>(st1) = St1Lines();
    st1.check = St1Check();
    setRates(st1, locationRates(record));
    const double deductions = static_cast<double>(worksheetTotal(record));
    computeReceiptLines(st1, deductions);
    record.worksheet.taxGeneralRetail = st1.line4b + st1.line6b;
    record.worksheet.taxFoodRetail = st1.line5b + st1.line7b;
    if (!checkBases(st1))
        return kSt1BasesDoNotAddUp;
    computeTaxDueLines(st1, record.period.onTime == 1);
    setSummary(record.summary, st1);
    return kSt1Ok;
}
