#pragma once

#include "returns/RoundDollars.h"

#include <QString>

// What the summary page shows and the return history stores (the first four).
struct ReturnSummary {
    Dollars summaryTotalReceipts = 0;   // ST-1 line 1
    Dollars summaryDeductions = 0;      // ST-1 line 2
    Dollars summaryTaxableReceipts = 0; // ST-1 line 3
    Dollars summaryPaymentDue = 0;      // ST-1 line 25
    Dollars st14PaymentDue = 0;         // ST-14 line 6
    Dollars st8PaymentDue = 0;          // ST-8 line 15
    Dollars st4PaymentDue = 0;          // ST-4 line 15
};

// The period texts the forms, the history and the letters print.
struct ReturnTexts {
    QString periodText;  // after "This form is for"
    QString dueDateText; // after "This form is due"
    QString periodCode;  // MMYY, inside the scan lines
};
