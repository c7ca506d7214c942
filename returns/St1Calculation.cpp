#include "returns/St1Calculation.h"

#include "platform/Clock.h"
#include "returns/Discount.h"
#include "returns/LiabilityPeriod.h"
#include "returns/LocalReturns.h"
#include "returns/LocationRates.h"
#include "returns/ReturnRecord.h"

namespace {
using F = Figure;
using O = Operand;

// The deductions the worksheet's steps enter, rounded to whole dollars when their step is
// left.
struct EnteredItem {
    Figure figure;
    Operand operand;
    Dollars St1Worksheet::*item;
};

constexpr EnteredItem kEnteredItems[] = {
    {F::Item3, O::Resale, &St1Worksheet::resale},
    {F::Item4, O::InterstateCommerce, &St1Worksheet::interstateCommerce},
    {F::Item5, O::CashRefunds, &St1Worksheet::cashRefunds},
    {F::Item6, O::NewspapersMagazines, &St1Worksheet::newspapersMagazines},
    {F::Item9a, O::Repairs, &St1Worksheet::repairs},
    {F::Item9b, O::Prescriptions, &St1Worksheet::prescriptions},
    {F::Item9c, O::OtherService, &St1Worksheet::otherService},
    {F::Item10, O::ExemptOrganizations, &St1Worksheet::exemptOrganizations},
    {F::Item11, O::FoodStamps, &St1Worksheet::foodStamps},
    {F::Item12, O::EnterpriseZone, &St1Worksheet::enterpriseZone},
    {F::Item13, O::ManufacturingMachinery, &St1Worksheet::manufacturingMachinery},
    {F::Item14, O::FarmMachinery, &St1Worksheet::farmMachinery},
    {F::Item15, O::GraphicArtsMachinery, &St1Worksheet::graphicArtsMachinery},
    {F::Item16a, O::OtherDeduction1, &St1Worksheet::otherDeduction1},
    {F::Item16b, O::OtherDeduction2, &St1Worksheet::otherDeduction2}};

// Item 17: every deduction of the worksheet, whole dollars added exactly.
Dollars totalDeductions(const St1Worksheet& w, StepRecorder steps) {
    return steps.value(
        F::Item17,
        term(F::Item3, w.resale) + term(F::Item4, w.interstateCommerce) +
            term(F::Item5, w.cashRefunds) + term(F::Item6, w.newspapersMagazines) +
            term(F::Item7b, w.item7b) + term(F::Item7d, w.item7d) + term(F::Item7f, w.item7f) +
            term(F::Item7h, w.item7h) + term(F::Item7j, w.item7j) + term(F::Item8b, w.item8b) +
            term(F::Item8d, w.item8d) + term(F::Item8f, w.item8f) + term(F::Item8h, w.item8h) +
            term(F::Item8j, w.item8j) + term(F::Item9a, w.repairs) +
            term(F::Item9b, w.prescriptions) + term(F::Item9c, w.otherService) +
            term(F::Item10, w.exemptOrganizations) + term(F::Item11, w.foodStamps) +
            term(F::Item12, w.enterpriseZone) + term(F::Item13, w.manufacturingMachinery) +
            term(F::Item14, w.farmMachinery) + term(F::Item15, w.graphicArtsMachinery) +
            term(F::Item16a, w.otherDeduction1) + term(F::Item16b, w.otherDeduction2) +
            term(F::Item16c, w.localTaxes) + term(F::Item16d, w.tireAndFuelFees));
}

// Item 16d's description names the parts of a total that is not 0.
QString tireAndFuelDescription(Dollars tireFee, Dollars fuelTax) {
    if (tireFee == 0)
        return QStringLiteral("Home Rule Fuel Tax");
    if (fuelTax == 0)
        return QStringLiteral("Tire Tax");
    return QStringLiteral("Tire Tax,Home Rule Fuel Tax");
}

void setRates(St1Section& st1, const LocationRates& rates, StepRecorder steps) {
    st1.rateGeneral = rates.general;
    st1.rateFood = rates.food;
    st1.ratePurchaseGeneral = rates.purchaseGeneral;
    st1.ratePurchaseFood = rates.purchaseFood;
    steps.rates(rates);
}

// An entered amount rounded to whole dollars.
Dollars enteredLine(Figure figure, Operand operand, double amount, StepRecorder steps) {
    return steps.rounded(figure, term(operand, amount));
}

void computeEnteredReceiptLines(St1Section& st1, StepRecorder steps) {
    st1.lineA = enteredLine(F::St1LineA, O::LiquorPurchases, st1.liquorPurchases, steps);
    st1.line1 = enteredLine(F::St1Line1, O::TotalReceipts, st1.totalReceipts, steps);
    st1.line5a = enteredLine(F::St1Line5a, O::FoodSalesInside, st1.foodSalesInside, steps);
    st1.line6a = enteredLine(F::St1Line6a, O::GeneralSalesOutside, st1.generalSalesOutside, steps);
    st1.line7a = enteredLine(F::St1Line7a, O::FoodSalesOutside, st1.foodSalesOutside, steps);
    st1.line8a = enteredLine(F::St1Line8a, O::OtherRateReceipts, st1.otherRateReceipts, steps);
    st1.line8b = enteredLine(F::St1Line8b, O::OtherRateTax, st1.otherRateTax, steps);
}

// Lines A to 9 in the order each feeds the next: the entered bases, the taxes on them, the
// general merchandise base derived from what is left of total receipts, then lines 2 and 3.
void computeReceiptLines(St1Section& st1, double deductions, StepRecorder steps) {
    computeEnteredReceiptLines(st1, steps);
    const double foodTax = steps.amount(F::St1Line5b, O::FoodTax,
                                        term(O::FoodRate, st1.rateFood) *
                                            term(O::FoodSalesInside, st1.foodSalesInside));
    st1.line5b = steps.round(F::St1Line5b, foodTax);
    const double outsideGeneralTax =
        steps.amount(F::St1Line6b, O::OutsideGeneralTax,
                     term(O::GeneralSalesOutside, st1.generalSalesOutside) *
                         term(O::OutsideGeneralRate, St1Rates::kOutsideGeneralRate));
    st1.line6b = steps.round(F::St1Line6b, outsideGeneralTax);
    const double outsideFoodTax =
        steps.amount(F::St1Line7b, O::OutsideFoodTax,
                     term(O::FoodSalesOutside, st1.foodSalesOutside) *
                         term(O::OutsideFoodRate, St1Rates::kOutsideFoodRate));
    st1.line7b = steps.round(F::St1Line7b, outsideFoodTax);
    const double generalBase = steps.amount(
        F::St1Line4a, O::GeneralBase,
        (term(O::TotalReceipts, st1.totalReceipts) - term(O::FoodSalesInside, st1.foodSalesInside) -
         term(O::FoodTax, foodTax) - term(O::GeneralSalesOutside, st1.generalSalesOutside) -
         term(O::OutsideGeneralTax, outsideGeneralTax) -
         term(O::FoodSalesOutside, st1.foodSalesOutside) - term(O::OutsideFoodTax, outsideFoodTax) -
         term(O::OtherRateReceipts, st1.otherRateReceipts) -
         term(O::OtherRateTax, st1.otherRateTax) - term(F::Item17, deductions)) /
            (number(1) + term(O::GeneralRate, st1.rateGeneral)));
    st1.line4a = steps.round(F::St1Line4a, generalBase);
    st1.line4b = steps.rounded(F::St1Line4b, term(O::GeneralRate, st1.rateGeneral) *
                                                 term(O::GeneralBase, generalBase));
    // Line 2 carries the tax at other rates as entered, unrounded.
    const double allDeductions =
        steps.amount(F::St1Line2, O::AllDeductions,
                     term(F::St1Line4b, st1.line4b) + term(F::Item17, deductions) +
                         term(F::St1Line5b, st1.line5b) + term(F::St1Line6b, st1.line6b) +
                         term(F::St1Line7b, st1.line7b) + term(O::OtherRateTax, st1.otherRateTax));
    st1.line2 = steps.round(F::St1Line2, allDeductions);
    st1.line3 = steps.rounded(F::St1Line3, term(O::TotalReceipts, st1.totalReceipts) -
                                               term(O::AllDeductions, allDeductions));
    st1.line9 = steps.rounded(F::St1Line9,
                              term(F::St1Line4b, st1.line4b) + term(F::St1Line5b, st1.line5b) +
                                  term(F::St1Line6b, st1.line6b) + term(F::St1Line7b, st1.line7b) +
                                  term(F::St1Line8b, st1.line8b));
}

// Compares the bases with line 3 and moves line 4a by a one-dollar rounding difference.
bool checkBases(St1Section& st1, StepRecorder steps) {
    St1Check& check = st1.check;
    check.basesSum = st1.line4a + st1.line5a + st1.line6a + st1.line7a + st1.line8a;
    check.line4aBeforeCheck = st1.line4a;
    const Dollars difference = st1.line3 - check.basesSum;
    const double sum = double(check.basesSum);
    if (difference < -1 || difference > 1) {
        steps.note(F::St1Line4a, StepNote::BasesDoNotAddUp, sum, double(st1.line3));
        return false;
    }
    check.correction = static_cast<int>(difference);
    st1.line4a += difference;
    steps.note(F::St1Line4a, difference == 0 ? StepNote::BasesMatch : StepNote::BasesCorrected, sum,
               double(st1.line3), double(st1.line4a), double(difference));
    return true;
}

void computeTaxDueLines(St1Section& st1, bool onTime, StepRecorder steps) {
    st1.line10 = retailersDiscount(F::St1Line10, F::St1Line9, st1.line9, onTime, steps);
    st1.line11 =
        steps.value(F::St1Line11, term(F::St1Line9, st1.line9) - term(F::St1Line10, st1.line10));
    st1.line12a = enteredLine(F::St1Line12a, O::PurchasesGeneral, st1.purchasesGeneral, steps);
    st1.line13a = enteredLine(F::St1Line13a, O::PurchasesFood, st1.purchasesFood, steps);
    st1.line14a = enteredLine(F::St1Line14a, O::PurchasesOtherRate, st1.purchasesOtherRate, steps);
    st1.line12b =
        steps.rounded(F::St1Line12b, term(O::PurchaseGeneralRate, st1.ratePurchaseGeneral) *
                                         term(O::PurchasesGeneral, st1.purchasesGeneral));
    st1.line13b = steps.rounded(F::St1Line13b, term(O::PurchaseFoodRate, st1.ratePurchaseFood) *
                                                   term(O::PurchasesFood, st1.purchasesFood));
    st1.line14b =
        enteredLine(F::St1Line14b, O::PurchasesOtherRateTax, st1.purchasesOtherRateTax, steps);
    st1.line15 = steps.rounded(F::St1Line15, term(F::St1Line12b, st1.line12b) +
                                                 term(F::St1Line13b, st1.line13b) +
                                                 term(F::St1Line14b, st1.line14b));
    st1.line16 =
        steps.value(F::St1Line16, term(F::St1Line11, st1.line11) + term(F::St1Line15, st1.line15));
    st1.line16a = enteredLine(F::St1Line16a, O::ManufacturerCredit, st1.manufacturerCredit, steps);
    st1.line17 = enteredLine(F::St1Line17, O::PrepaidTax, st1.prepaidTax, steps);
    st1.line18 =
        enteredLine(F::St1Line18, O::QuarterMonthlyPayments, st1.quarterMonthlyPayments, steps);
    st1.line19 = enteredLine(F::St1Line19, O::PriorOverpayment, st1.priorOverpayment, steps);
    st1.line20 = steps.value(F::St1Line20,
                             term(F::St1Line16a, st1.line16a) + term(F::St1Line17, st1.line17) +
                                 term(F::St1Line18, st1.line18) + term(F::St1Line19, st1.line19));
    st1.line21 =
        steps.value(F::St1Line21, term(F::St1Line16, st1.line16) - term(F::St1Line20, st1.line20));
    st1.line22 = enteredLine(F::St1Line22, O::ExcessTaxCollected, st1.excessTaxCollected, steps);
    st1.line23 =
        steps.value(F::St1Line23, term(F::St1Line21, st1.line21) + term(F::St1Line22, st1.line22));
    st1.line24 = enteredLine(F::St1Line24, O::CreditMemorandum, st1.creditMemorandum, steps);
    st1.line25 =
        steps.value(F::St1Line25, term(F::St1Line23, st1.line23) - term(F::St1Line24, st1.line24));
}

void setTexts(ReturnTexts& texts, const ReturnPeriod& period) {
    const QDate today = Clock::today();
    texts.periodText = periodText(period, today);
    texts.dueDateText = dueDateText(period, today);
    texts.periodCode = periodCode(period, today);
}

// Items 1a to 1d and item 2, the taxes collected, from the lines just computed.
void setTaxesCollected(St1Worksheet& sheet, const St1Section& st1, StepRecorder steps) {
    sheet.taxGeneralRetail =
        steps.value(F::Item1a, term(F::St1Line4b, st1.line4b) + term(F::St1Line6b, st1.line6b));
    sheet.taxFoodRetail =
        steps.value(F::Item1c, term(F::St1Line5b, st1.line5b) + term(F::St1Line7b, st1.line7b));
    steps.note(F::Item1b, StepNote::NoServiceSales);
    steps.note(F::Item1d, StepNote::NoServiceSales);
    sheet.item2(steps);
    sheet.item18(steps);
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

Dollars totalWorksheet(St1Worksheet& sheet, Dollars localTaxes, Dollars tireFee,
                       StepRecorder steps) {
    sheet.localTaxes = localTaxes;
    sheet.tireAndFuelFees =
        steps.value(F::Item16d, term(F::St8WorksheetAmount, tireFee) +
                                    term(F::HomeRuleFuelTax, sheet.homeRuleFuelTax));
    sheet.totalDeductions = totalDeductions(sheet, steps);
    sheet.item16cDescription = sheet.localTaxes != 0 ? QStringLiteral("Home Rule Tax") : QString();
    sheet.item16dDescription = sheet.tireAndFuelFees != 0
                                   ? tireAndFuelDescription(tireFee, sheet.homeRuleFuelTax)
                                   : QString();
    return sheet.totalDeductions;
}

Dollars worksheetTotal(ReturnRecord& record, StepRecorder steps) {
    computeSt14(record, steps);
    computeSt4(record, steps);
    computeSt8(record, steps);
    St1Worksheet& sheet = record.worksheet;
    for (const EnteredItem& item : kEnteredItems)
        steps.value(item.figure, term(item.operand, sheet.*item.item));
    const Dollars localTaxes =
        steps.value(F::Item16c, term(F::St14WorksheetAmount, record.st14.st14WorksheetAmount) +
                                    term(F::St4WorksheetAmount, record.st4.st4WorksheetAmount));
    return totalWorksheet(sheet, localTaxes, record.st8.st8WorksheetAmount, steps);
}

int computeSt1(ReturnRecord& record, StepRecorder steps) {
    // The texts depend on the period alone, so they are current even when the bases fail.
    setTexts(record.texts, record.period);
    St1Section& st1 = record.st1;
    static_cast<St1Lines&>(st1) = St1Lines();
    st1.check = St1Check();
    setRates(st1, locationRates(record), steps);
    const double deductions = static_cast<double>(worksheetTotal(record, steps));
    computeReceiptLines(st1, deductions, steps);
    setTaxesCollected(record.worksheet, st1, steps);
    if (!checkBases(st1, steps))
        return kSt1BasesDoNotAddUp;
    computeTaxDueLines(st1, record.period.onTime == 1, steps);
    setSummary(record.summary, st1);
    return kSt1Ok;
}
