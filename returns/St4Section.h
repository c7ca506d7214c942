#pragma once

#include "returns/St14Section.h"

// Form ST-4, MPEA food and beverage tax. The method constants are those of ST-14.
struct St4Section {
    int st4Method = kTotalReceiptsMethod;
    double st4Amount = 0;
    Dollars st4PriorOverpayment = 0;
    Dollars st4Penalty = 0;
    Dollars st4Interest = 0;
    Dollars st4ExcessTaxCollected = 0;
    Dollars st4CreditMemorandum = 0;
    Dollars line1 = 0, line2 = 0, line3 = 0, line4 = 0, line5 = 0, line6 = 0, line7 = 0, line8 = 0,
            line9 = 0, line10 = 0, line11 = 0, line12 = 0, line13 = 0, line14 = 0, line15 = 0;
    Dollars st4WorksheetAmount = 0; // goes into ST-1 worksheet item 16c
};
