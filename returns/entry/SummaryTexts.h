#pragma once

#include "returns/ReturnSummary.h"

#include <QString>

// The texts of the summary table: the four ST-1 amounts and the payment due of ST-8, ST-14
// and ST-4, grouped by thousands. Total receipts, deductions and taxable receipts read
// "Invalid Value" when not above 0; a blank-forms return reads "Blank Form" everywhere.
struct SummaryTexts {
    QString totalReceipts;
    QString deductions;
    QString taxableReceipts;
    QString paymentDue;
    QString st8PaymentDue;
    QString st14PaymentDue;
    QString st4PaymentDue;
};

SummaryTexts summaryTexts(const ReturnSummary& summary, bool blankForms);
