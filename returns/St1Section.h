#pragma once

#include "returns/RoundDollars.h"

// Amounts the preparer enters for Form ST-1, in dollars and cents.
struct St1Entries {
    double totalReceipts = 0;          // line 1, tax included
    double liquorPurchases = 0;        // line A
    double foodSalesInside = 0;        // line 5a, the base without tax
    double generalSalesOutside = 0;    // line 6a
    double foodSalesOutside = 0;       // line 7a
    double otherRateReceipts = 0;      // line 8a
    double otherRateTax = 0;           // line 8b as entered
    double purchasesGeneral = 0;       // line 12a
    double purchasesFood = 0;          // line 13a
    double purchasesOtherRate = 0;     // line 14a
    double purchasesOtherRateTax = 0;  // line 14b
    double manufacturerCredit = 0;     // line 16a
    double prepaidTax = 0;             // line 17
    double quarterMonthlyPayments = 0; // line 18
    double priorOverpayment = 0;       // line 19
    double excessTaxCollected = 0;     // line 22
    double creditMemorandum = 0;       // line 24
};

// The computed lines of Form ST-1, in whole dollars.
struct St1Lines {
    Dollars lineA = 0, line1 = 0, line2 = 0, line3 = 0, line4a = 0, line4b = 0, line5a = 0,
            line5b = 0, line6a = 0, line6b = 0, line7a = 0, line7b = 0, line8a = 0, line8b = 0,
            line9 = 0, line10 = 0, line11 = 0, line12a = 0, line12b = 0, line13a = 0, line13b = 0,
            line14a = 0, line14b = 0, line15 = 0, line16 = 0, line16a = 0, line17 = 0, line18 = 0,
            line19 = 0, line20 = 0, line21 = 0, line22 = 0, line23 = 0, line24 = 0, line25 = 0;
};

// The location's rates the lines were computed with, kept for printing beside lines 4, 5, 12
// and 13. Sales from outside the state and the discount use fixed rates.
struct St1Rates {
    static constexpr double kOutsideGeneralRate = 0.0625; // line 6
    static constexpr double kOutsideFoodRate = 0.01;      // line 7
    static constexpr double kDiscountRate = 0.0175;       // line 10

    double rateGeneral = 0;
    double rateFood = 0;
    double ratePurchaseGeneral = 0;
    double ratePurchaseFood = 0;
};

// How the bases of lines 4a to 8a compared with line 3: their sum, line 4a as first computed
// and the one-dollar correction applied to it (0, 1 or -1).
struct St1Check {
    Dollars basesSum = 0;
    Dollars line4aBeforeCheck = 0;
    int correction = 0;
};

// The `st1` section of a return: what was entered and what was computed from it.
struct St1Section : St1Entries, St1Lines, St1Rates {
    St1Check check;
};
