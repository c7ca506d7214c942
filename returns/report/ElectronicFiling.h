#pragma once

#include "returns/RoundDollars.h"

#include <QString>
#include <optional>

// The state requires a business whose average annual gross receipts are $20,000 or more to
// file its returns electronically once it has been notified; a paper return from such a
// business loses the timely-filing discount. A return's line 1 suggests the annual receipts:
// twelve times a month's, four times a quarter's, or the year's.
namespace ElectronicFiling {
inline constexpr Dollars kThreshold = 20000;

// Line 1 as a year's receipts for the period type (monthly, quarterly, annual).
Dollars annualReceipts(Dollars line1, int periodType);

// The notice the summary step and the filing sheet show when the annual receipts reach the
// threshold; none below it.
std::optional<QString> notice(Dollars line1, int periodType);
} // namespace ElectronicFiling
