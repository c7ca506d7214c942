#pragma once

#include <cstdint>

// The gasohol exemption worksheet: how item 8b comes about, unrounded.
struct GasoholWorksheet {
    double receipts = 0;
    std::int64_t gallons = 0;
    double stateRate = 0;    // per gallon
    double homeRuleRate = 0; // per gallon
    double stateTax = 0;
    double homeRuleTax = 0;
    double net = 0;     // receipts less both fuel taxes, never below 0
    double divisor = 0; // 1 + the general rate x the taxable share
    double base = 0;
    double exemptShare = 0;
    double exemption = 0;   // item 8b before rounding
    double ratePercent = 0; // the location's general rate in percent
};
