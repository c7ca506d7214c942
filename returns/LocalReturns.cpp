#include "returns/LocalReturns.h"

#include "returns/Discount.h"
#include "returns/LocationRates.h"
#include "returns/ReturnRecord.h"

namespace {
using F = Figure;
using O = Operand;

constexpr double kSoftDrinkRate = 0.03;
constexpr double kSoftDrinkFactor = 1.03; // 1 + kSoftDrinkRate
constexpr double kMpeaRate = 0.01;
constexpr double kMpeaFactor = 1.01; // 1 + kMpeaRate
constexpr double kTireFee = 2.5;
constexpr double kTireCollectionAllowance = 0.1;

// Lines 1, 3 and 4 of ST-14 and ST-4: total receipts, taxable receipts, tax due.
struct TaxedReceipts {
    Dollars total = 0;
    Dollars taxable = 0;
    Dollars tax = 0;
};

// The lines of ST-14 or ST-4 that lines 1 to 6 are, and the names of its amount and rate.
struct ReceiptForm {
    Figure total, deductions, taxable, tax, discount, net;
    Operand amount, rate;
    double rateValue, factor;
};

constexpr ReceiptForm kSoftDrinkForm = {
    F::St14Line1, F::St14Line2,  F::St14Line3,     F::St14Line4,   F::St14Line5,
    F::St14Line6, O::St14Amount, O::SoftDrinkRate, kSoftDrinkRate, kSoftDrinkFactor};
constexpr ReceiptForm kMpeaForm = {F::St4Line1, F::St4Line2, F::St4Line3,  F::St4Line4,
                                   F::St4Line5, F::St4Line6, O::St4Amount, O::MpeaRate,
                                   kMpeaRate,   kMpeaFactor};

// The first two methods, alike on both forms: the amount includes the tax, or is the taxable
// amount itself.
TaxedReceipts receiptsOf(int method, double amount, const ReceiptForm& form, StepRecorder steps) {
    const auto x = term(form.amount, amount);
    const auto factor = number(form.factor);
    const auto rate = term(form.rate, form.rateValue);
    if (method == kTaxableReceiptsMethod) {
        steps.note(form.total, StepNote::TaxableMethod);
        return {steps.rounded(form.total, x * factor), steps.rounded(form.taxable, x),
                steps.rounded(form.tax, x * rate)};
    }
    steps.note(form.total, StepNote::TotalMethod);
    return {steps.rounded(form.total, x), steps.rounded(form.taxable, x / factor),
            steps.rounded(form.tax, x * rate / factor)};
}

// ST-14 amount with the soft drink tax, the sales tax and, when an MPEA amount was entered,
// the MPEA tax included.
TaxedReceipts softDrinkReceiptsWithAllTaxes(const ReturnRecord& record, StepRecorder steps) {
    const auto x = term(O::St14Amount, record.st14.st14Amount);
    const double mpea = record.st4.st4Amount != 0 ? kMpeaRate : 0.0;
    steps.note(F::St14Line1, StepNote::AllTaxesMethod);
    steps.note(F::St14Line1, StepNote::MpeaIncluded, mpea);
    const double divisor = steps.amount(F::St14Line1, O::AllTaxesDivisor,
                                        number(1) + term(O::SoftDrinkRate, kSoftDrinkRate) +
                                            term(O::GeneralRate, locationRates(record).general) +
                                            term(O::MpeaRate, mpea));
    const auto d = term(O::AllTaxesDivisor, divisor);
    return {steps.rounded(F::St14Line1, x * number(kSoftDrinkFactor) / d),
            steps.rounded(F::St14Line3, x / d),
            steps.rounded(F::St14Line4, x * term(O::SoftDrinkRate, kSoftDrinkRate) / d)};
}

// ST-4 amount with every tax included: the soft drink tax just computed comes off first.
TaxedReceipts mpeaReceiptsWithAllTaxes(const ReturnRecord& record, StepRecorder steps) {
    steps.note(F::St4Line1, StepNote::AllTaxesMethod);
    const Dollars base =
        steps.rounded(F::St4Line3, (term(O::St4Amount, record.st4.st4Amount) -
                                    term(F::St14Line4, static_cast<double>(record.st14.line4))) /
                                       (term(O::GeneralRate, locationRates(record).general) +
                                        number(kMpeaFactor)));
    return {steps.rounded(F::St4Line1, term(F::St4Line3, base) * number(kMpeaFactor)), base,
            steps.rounded(F::St4Line4, term(F::St4Line3, base) * term(O::MpeaRate, kMpeaRate))};
}

// Lines 1 to 6, the same on ST-14 and ST-4: the tax is deducted from the receipts (line 2),
// and the discount comes off the tax.
template <typename Section>
void setReceiptLines(Section& section, const TaxedReceipts& receipts, const ReceiptForm& form,
                     const ReturnRecord& record, StepRecorder steps) {
    section.line1 = receipts.total;
    section.line3 = receipts.taxable;
    section.line4 = receipts.tax;
    section.line2 = steps.value(form.deductions, term(form.tax, section.line4));
    section.line5 =
        retailersDiscount(form.discount, form.tax, section.line4, record.period.onTime == 1, steps);
    section.line6 =
        steps.value(form.net, term(form.tax, section.line4) - term(form.discount, section.line5));
}

// Lines 9 to 12, 14 and 15 of ST-4 and ST-8, alike on both: the penalty, the interest, their
// sum, the excess collected, the credit memorandum and the payment due (line 13 less it).
struct PaymentLines {
    Figure penalty, interest, penaltyAndInterest, excess, due, creditMemorandum, paymentDue;
    Operand enteredPenalty, enteredInterest, enteredExcess, enteredCreditMemorandum;
};

constexpr PaymentLines kMpeaPayments = {
    F::St4Line9,           F::St4Line10, F::St4Line11,  F::St4Line12,   F::St4Line13,
    F::St4Line14,          F::St4Line15, O::St4Penalty, O::St4Interest, O::St4ExcessTaxCollected,
    O::St4CreditMemorandum};
constexpr PaymentLines kTirePayments = {
    F::St8Line9,           F::St8Line10, F::St8Line11,  F::St8Line12,   F::St8Line13,
    F::St8Line14,          F::St8Line15, O::St8Penalty, O::St8Interest, O::St8ExcessFeeCollected,
    O::St8CreditMemorandum};

template <typename Section>
void setPenaltyLines(Section& section, const PaymentLines& lines, Dollars penalty, Dollars interest,
                     Dollars excess, StepRecorder steps) {
    section.line9 = steps.value(lines.penalty, term(lines.enteredPenalty, penalty));
    section.line10 = steps.value(lines.interest, term(lines.enteredInterest, interest));
    section.line11 =
        steps.value(lines.penaltyAndInterest,
                    term(lines.penalty, section.line9) + term(lines.interest, section.line10));
    section.line12 = steps.value(lines.excess, term(lines.enteredExcess, excess));
}

template <typename Section>
void setPaymentDue(Section& section, const PaymentLines& lines, Dollars creditMemorandum,
                   StepRecorder steps) {
    section.line14 =
        steps.value(lines.creditMemorandum, term(lines.enteredCreditMemorandum, creditMemorandum));
    section.line15 =
        steps.value(lines.paymentDue,
                    term(lines.due, section.line13) - term(lines.creditMemorandum, section.line14));
}

void setMpeaPaymentLines(St4Section& st4, StepRecorder steps) {
    st4.line7 = steps.value(F::St4Line7, term(O::St4PriorOverpayment, st4.st4PriorOverpayment));
    st4.line8 =
        steps.value(F::St4Line8, term(F::St4Line6, st4.line6) - term(F::St4Line7, st4.line7));
    setPenaltyLines(st4, kMpeaPayments, st4.st4Penalty, st4.st4Interest, st4.st4ExcessTaxCollected,
                    steps);
    st4.line13 =
        steps.value(F::St4Line13, term(F::St4Line8, st4.line8) + term(F::St4Line11, st4.line11) +
                                      term(F::St4Line12, st4.line12));
    setPaymentDue(st4, kMpeaPayments, st4.st4CreditMemorandum, steps);
    st4.st4WorksheetAmount = steps.value(
        F::St4WorksheetAmount, term(F::St4Line4, st4.line4) + term(F::St4Line12, st4.line12) -
                                   term(F::St4Line7, st4.line7) - term(F::St4Line14, st4.line14));
}
} // namespace

void computeSt14(ReturnRecord& record, StepRecorder steps) {
    St14Section& st14 = record.st14;
    const TaxedReceipts receipts =
        st14.st14Method == kAllTaxesMethod
            ? softDrinkReceiptsWithAllTaxes(record, steps)
            : receiptsOf(st14.st14Method, st14.st14Amount, kSoftDrinkForm, steps);
    setReceiptLines(st14, receipts, kSoftDrinkForm, record, steps);
    st14.st14WorksheetAmount = steps.value(F::St14WorksheetAmount, term(F::St14Line4, st14.line4));
    record.summary.st14PaymentDue = st14.line6;
}

void computeSt4(ReturnRecord& record, StepRecorder steps) {
    computeSt14(record);
    St4Section& st4 = record.st4;
    const TaxedReceipts receipts = st4.st4Method == kAllTaxesMethod
                                       ? mpeaReceiptsWithAllTaxes(record, steps)
                                       : receiptsOf(st4.st4Method, st4.st4Amount, kMpeaForm, steps);
    setReceiptLines(st4, receipts, kMpeaForm, record, steps);
    setMpeaPaymentLines(st4, steps);
    record.summary.st4PaymentDue = st4.line15;
}

void computeSt8(ReturnRecord& record, StepRecorder steps) {
    St8Section& st8 = record.st8;
    st8.line1 = steps.value(F::St8Line1, term(O::TiresSold, st8.tiresSold));
    st8.line2 = steps.value(F::St8Line2, term(O::TiresDeductible, st8.tiresDeductible));
    st8.line3 =
        steps.value(F::St8Line3, term(F::St8Line1, st8.line1) - term(F::St8Line2, st8.line2));
    const auto taxableTires = term(F::St8Line3, static_cast<double>(st8.line3));
    st8.line4 = steps.rounded(F::St8Line4, taxableTires * term(O::TireFee, kTireFee));
    st8.line5 = steps.rounded(
        F::St8Line5, taxableTires * term(O::CollectionAllowance, kTireCollectionAllowance));
    st8.line6 = steps.value(F::St8Line6, term(O::St8PriorOverpayment, st8.st8PriorOverpayment));
    st8.line7 =
        steps.value(F::St8Line7, term(F::St8Line5, st8.line5) + term(F::St8Line6, st8.line6));
    st8.line8 =
        steps.value(F::St8Line8, term(F::St8Line4, st8.line4) - term(F::St8Line5, st8.line5) -
                                     term(F::St8Line6, st8.line6));
    setPenaltyLines(st8, kTirePayments, st8.st8Penalty, st8.st8Interest, st8.st8ExcessFeeCollected,
                    steps);
    st8.line13 =
        steps.value(F::St8Line13, term(F::St8Line4, st8.line4) + term(F::St8Line11, st8.line11) +
                                      term(F::St8Line12, st8.line12) -
                                      term(F::St8Line5, st8.line5) - term(F::St8Line6, st8.line6));
    setPaymentDue(st8, kTirePayments, st8.st8CreditMemorandum, steps);
    st8.st8WorksheetAmount = steps.value(
        F::St8WorksheetAmount, term(F::St8Line4, st8.line4) + term(F::St8Line12, st8.line12) -
                                   term(F::St8Line6, st8.line6) - term(F::St8Line14, st8.line14));
    record.summary.st8PaymentDue = st8.line15;
}
