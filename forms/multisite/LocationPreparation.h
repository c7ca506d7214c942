#pragma once

#include "forms/filling/FillContext.h"

struct ClientRecord;
struct FormSet;
struct LocationResult;
struct ReturnPeriod;
struct ReturnRecord;

// Before a location's wizard runs: every section of the return reset, the period of the whole
// return put back, the return computed once with empty inputs and the forms filled from it,
// then the location client record taken. False when a blank fill failed (a page image lacks a
// placeholder).
bool startLocationPreparation(ReturnRecord& record, FormSet& set, const ReturnPeriod& period,
                              const ClientRecord& locationClient, const FillContext& context);

// When the location's wizard ends with Finish: computes the return as its summary page does
// and copies the ST-1, worksheet, ST-8, ST-14 and ST-4 sections, the fuel sales and the steps
// of the calculations into the entry, which then counts as prepared (a second preparation
// replaces the first). A return whose ST-1 bases do not add up (kSt1BasesDoNotAddUp) is
// refused: the entry stays as it was.
int storePreparedLocation(LocationResult& entry, ReturnRecord& record);
