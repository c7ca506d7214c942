#pragma once

#include "forms/filling/FillContext.h"
#include "returns/multisite/PreparedLocation.h"

struct ClientRecord;
struct FormSet;
struct ReturnPeriod;
struct ReturnRecord;

// Before a location's wizard runs: every section of the return reset, the period of the whole
// return put back, the return computed once with empty inputs and the forms filled from it,
// then the location client record taken. False when a blank fill failed (a page image lacks a
// placeholder).
bool startLocationPreparation(ReturnRecord& record, FormSet& set, const ReturnPeriod& period,
                              const ClientRecord& locationClient, const FillContext& context);
