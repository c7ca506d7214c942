#pragma once

#include "taxtables/TaxTable.h"

struct ReturnRecord;

// The rates of the client's location for this return: the rate set the table's date rule
// picks for today when the period asks for it (useDateRule), else the current rates, with the
// reasons for that set.
struct LocationRates {
    double general = 0;
    double food = 0;
    double purchaseGeneral = 0;
    double purchaseFood = 0;
    RateSetChoice choice;
};

LocationRates locationRates(const ReturnRecord& record);
RateSet locationRateSet(const ReturnRecord& record);
// The general rate text of the chosen set read as a number / 1000: "06250" gives 6.25.
double generalRatePercent(const ReturnRecord& record);
