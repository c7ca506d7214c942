#pragma once

#include "clients/ClientRecord.h"
#include "returns/inputs/StoredInputs.h"

// The last stored returns the carry-forward tests start from, prepared on the clock's day:
// February 2005 with total receipts of 12,345.67 (12,346 on ST-1), 200 of deductions (a
// described other deduction, "Trade-ins"), 11,500 taxable and 700 due.
namespace CarriedReturns {
StoredInputs singleSite();
// A multi-site return with those figures at every location of `client`.
StoredInputs multiSite(const ClientRecord& client);
} // namespace CarriedReturns
