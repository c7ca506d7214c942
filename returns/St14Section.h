#pragma once

#include "returns/RoundDollars.h"

// How the soft drink or MPEA amount was entered.
inline constexpr int kTotalReceiptsMethod = 0;   // receipts including that tax
inline constexpr int kTaxableReceiptsMethod = 1; // the taxable receipts
inline constexpr int kAllTaxesMethod = 2;        // sales plus every tax collected on them

// Form ST-14, Chicago soft drink tax.
struct St14Section {
    int st14Method = kTotalReceiptsMethod;
    double st14Amount = 0;
    Dollars line1 = 0, line2 = 0, line3 = 0, line4 = 0, line5 = 0, line6 = 0;
    Dollars st14WorksheetAmount = 0; // goes into ST-1 worksheet item 16c
};
