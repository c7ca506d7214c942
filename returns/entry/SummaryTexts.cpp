#include "returns/entry/SummaryTexts.h"

#include "returns/GroupThousands.h"

namespace {
QString positiveAmount(Dollars amount) {
    return amount > 0 ? groupThousands(amount) : QStringLiteral("Invalid Value");
}
} // namespace

SummaryTexts summaryTexts(const ReturnSummary& summary, bool blankForms) {
    if (blankForms) {
        const QString blank = QStringLiteral("Blank Form");
        return {blank, blank, blank, blank, blank, blank, blank};
    }
    return {
        positiveAmount(summary.summaryTotalReceipts),   positiveAmount(summary.summaryDeductions),
        positiveAmount(summary.summaryTaxableReceipts), groupThousands(summary.summaryPaymentDue),
        groupThousands(summary.st8PaymentDue),          groupThousands(summary.st14PaymentDue),
        groupThousands(summary.st4PaymentDue)};
}
