#pragma once

#include "returns/RoundDollars.h"
#include "returns/explain/StepRecorder.h"

struct ReturnRecord;
struct ReturnSummary;
struct St1Lines;
struct St1Worksheet;

inline constexpr int kSt1Ok = 0;
// Lines 4a to 8a add up to line 3 neither exactly nor within one dollar.
inline constexpr int kSt1BasesDoNotAddUp = -6;
inline constexpr char kSt1BasesMessage[] =
    "An error occurred while doing calculations for ST-1 page(1):\n"
    "Lines 4a + 5a + 6a + 7a + 8a DO NOT equal Line 3. ";

// The base of food, drugs and medical appliances sold within the state from an amount that
// includes the location's food tax.
double foodBaseFromTotal(double amountWithTax, const ReturnRecord& record);

// Items 16c (the soft drink and MPEA taxes, `localTaxes`) and 16d (the tire user fee
// `tireFee` plus the home rule fuel tax) with their descriptions, and the total of the
// worksheet's deductions (item 17), which it stores and returns. `steps` hears how items 16d
// and 17 come about.
Dollars totalWorksheet(St1Worksheet& sheet, Dollars localTaxes, Dollars tireFee,
                       StepRecorder steps = {});

// Computes ST-14, ST-4 and ST-8, then worksheet items 16c and 16d with their descriptions and
// the total of the worksheet's deductions (item 17), which it stores and returns. `steps` hears
// every step, the entered deductions included.
Dollars worksheetTotal(ReturnRecord& record, StepRecorder steps = {});

// The summary values of the summary page and the history: ST-1 lines 1, 2, 3 and 25.
void setSummary(ReturnSummary& summary, const St1Lines& lines);

// Computes the period texts, every line of ST-1, worksheet items 1a and 1c and the ST-1
// summary values. The base of line 4a is what is left of total receipts once everything else is
// taken out, divided by one plus the general rate; a one-dollar rounding difference between
// line 3 and the bases of lines 4a to 8a moves line 4a. Any larger difference stops the
// calculation with kSt1BasesDoNotAddUp: the lines up to line 9 and items 1a and 1c stay as
// computed, the later lines 0, and the summary is not written. `steps` hears the rates and
// every step as it is taken.
int computeSt1(ReturnRecord& record, StepRecorder steps = {});
