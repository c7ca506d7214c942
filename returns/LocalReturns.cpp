#include "returns/LocalReturns.h"

#include "returns/LocationRates.h"
#include "returns/ReturnRecord.h"

namespace {
constexpr double kSoftDrinkRate = 0.03;
constexpr double kSoftDrinkFactor = 1.03; // 1 + kSoftDrinkRate
constexpr double kMpeaRate = 0.01;
constexpr double kMpeaFactor = 1.01; // 1 + kMpeaRate
constexpr double kDiscountRate = 0.0175;
constexpr double kTireFee = 2.5;
constexpr double kTireCollectionAllowance = 0.1;

// Lines 1, 3 and 4 of ST-14 and ST-4: total receipts, taxable receipts, tax due.
struct TaxedReceipts {
    Dollars total = 0;
    Dollars taxable = 0;
    Dollars tax = 0;
};

// The first two methods, alike on both forms: the amount includes the tax, or is the taxable
// amount itself.
TaxedReceipts receiptsOf(int method, double amount, double rate, double factor) {
    if (method == kTaxableReceiptsMethod)
        return {roundDollars(amount * factor), roundDollars(amount), roundDollars(amount * rate)};
    return {roundDollars(amount), roundDollars(amount / factor),
            roundDollars(amount * rate / factor)};
}

// ST-14 amount with the soft drink tax, the sales tax and, when an MPEA amount was entered,
// the MPEA tax included.
TaxedReceipts softDrinkReceiptsWithAllTaxes(const ReturnRecord& record) {
    const double x = record.st14.st14Amount;
    const double mpea = record.st4.st4Amount != 0 ? kMpeaRate : 0.0;
    const double divisor = 1 + kSoftDrinkRate + locationRates(record).general + mpea;
    return {roundDollars(x * kSoftDrinkFactor / divisor), roundDollars(x / divisor),
            roundDollars(x * kSoftDrinkRate / divisor)};
}

// ST-4 amount with every tax included: the soft drink tax just computed comes off first.
TaxedReceipts mpeaReceiptsWithAllTaxes(const ReturnRecord& record) {
    const double withoutSoftDrinkTax =
        record.st4.st4Amount - static_cast<double>(record.st14.line4);
    const Dollars base =
        roundDollars(withoutSoftDrinkTax / (locationRates(record).general + kMpeaFactor));
    return {roundDollars(base * kMpeaFactor), base, roundDollars(base * kMpeaRate)};
}

Dollars discountOn(Dollars tax, const ReturnRecord& record) {
    return record.period.onTime == 1 ? roundDollars(tax * kDiscountRate) : 0;
}

// Lines 1 to 6, the same on ST-14 and ST-4: the tax is deducted from the receipts (line 2),
// and the discount comes off the tax.
template <typename Section>
void setReceiptLines(Section& section, const TaxedReceipts& receipts, const ReturnRecord& record) {
    section.line1 = receipts.total;
    section.line3 = receipts.taxable;
    section.line4 = receipts.tax;
    section.line2 = section.line4;
    section.line5 = discountOn(section.line4, record);
    section.line6 = section.line4 - section.line5;
}

void setMpeaPaymentLines(St4Section& st4) {
    st4.line7 = st4.st4PriorOverpayment;
    st4.line8 = st4.line6 - st4.line7;
    st4.line9 = st4.st4Penalty;
    st4.line10 = st4.st4Interest;
    st4.line11 = st4.line9 + st4.line10;
    st4.line12 = st4.st4ExcessTaxCollected;
    st4.line13 = st4.line8 + st4.line11 + st4.line12;
    st4.line14 = st4.st4CreditMemorandum;
    st4.line15 = st4.line13 - st4.line14;
    st4.st4WorksheetAmount = st4.line4 + st4.line12 - st4.line7 - st4.line14;
}
} // namespace

void computeSt14(ReturnRecord& record) {
    St14Section& st14 = record.st14;
    const TaxedReceipts receipts =
        st14.st14Method == kAllTaxesMethod
            ? softDrinkReceiptsWithAllTaxes(record)
            : receiptsOf(st14.st14Method, st14.st14Amount, kSoftDrinkRate, kSoftDrinkFactor);
    setReceiptLines(st14, receipts, record);
    st14.st14WorksheetAmount = st14.line4;
    record.summary.st14PaymentDue = st14.line6;
}

void computeSt4(ReturnRecord& record) {
    computeSt14(record);
    St4Section& st4 = record.st4;
    const TaxedReceipts receipts =
        st4.st4Method == kAllTaxesMethod
            ? mpeaReceiptsWithAllTaxes(record)
            : receiptsOf(st4.st4Method, st4.st4Amount, kMpeaRate, kMpeaFactor);
    setReceiptLines(st4, receipts, record);
    setMpeaPaymentLines(st4);
    record.summary.st4PaymentDue = st4.line15;
}

void computeSt8(ReturnRecord& record) {
    St8Section& st8 = record.st8;
    st8.line1 = st8.tiresSold;
    st8.line2 = st8.tiresDeductible;
    st8.line3 = st8.line1 - st8.line2;
    const double taxableTires = static_cast<double>(st8.line3);
    st8.line4 = roundDollars(taxableTires * kTireFee);
    st8.line5 = roundDollars(taxableTires * kTireCollectionAllowance);
    st8.line6 = st8.st8PriorOverpayment;
    st8.line7 = st8.line5 + st8.line6;
    st8.line8 = st8.line4 - st8.line5 - st8.line6;
    st8.line9 = st8.st8Penalty;
    st8.line10 = st8.st8Interest;
    st8.line11 = st8.line9 + st8.line10;
    st8.line12 = st8.st8ExcessFeeCollected;
    st8.line13 = st8.line4 + st8.line11 + st8.line12 - st8.line5 - st8.line6;
    st8.line14 = st8.st8CreditMemorandum;
    st8.line15 = st8.line13 - st8.line14;
    st8.st8WorksheetAmount = st8.line4 + st8.line12 - st8.line6 - st8.line14;
    record.summary.st8PaymentDue = st8.line15;
}
