#pragma once

#include "forms/filling/FillContext.h"
#include "returns/import/FigureImport.h"

#include <vector>

struct ClientRecord;
struct FormSet;
struct LocationResult;
struct LocationResults;
struct ReturnPeriod;
struct ReturnRecord;

// Prepares one location from its entry sections as its location wizard prepares it: the
// preparation started for `period` (startLocationPreparation), the entries stored as the
// wizard's steps store them, and the location stored as the wizard's Finish stores it
// (storePreparedLocation). kSt1BasesDoNotAddUp leaves the entry as it was.
int prepareLocationFromEntries(LocationResult& entry, ReturnRecord& record, FormSet& set,
                               const ReturnPeriod& period, const ClientRecord& client,
                               const QJsonObject& entries, const FillContext& context);

// Prepares the location of every imported row for `period`. A location whose ST-1 bases miss
// line 3 is refused, as its wizard refuses it, with a problem on its row. Only when every row's
// location is prepared are the entries and the period of `results` replaced; otherwise
// `results` and `record` stay as they were.
std::vector<ImportProblem> prepareImportedLocations(LocationResults& results, ReturnRecord& record,
                                                    FormSet& set, const ClientRecord& client,
                                                    const ReturnPeriod& period,
                                                    const std::vector<ImportedRow>& rows,
                                                    const FillContext& context);
