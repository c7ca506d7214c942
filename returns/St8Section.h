#pragma once

#include "returns/RoundDollars.h"

#include <cstdint>

// Form ST-8, tire user fee.
struct St8Section {
    std::int64_t tiresSold = 0;
    std::int64_t tiresDeductible = 0;
    Dollars st8PriorOverpayment = 0;
    Dollars st8Penalty = 0;
    Dollars st8Interest = 0;
    Dollars st8ExcessFeeCollected = 0;
    Dollars st8CreditMemorandum = 0;
    Dollars line1 = 0, line2 = 0, line3 = 0, line4 = 0, line5 = 0, line6 = 0, line7 = 0, line8 = 0,
            line9 = 0, line10 = 0, line11 = 0, line12 = 0, line13 = 0, line14 = 0, line15 = 0;
    Dollars st8WorksheetAmount = 0; // goes into ST-1 worksheet item 16d
};
