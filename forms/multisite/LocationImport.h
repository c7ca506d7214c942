#pragma once

#include "forms/filling/FillContext.h"
#include "returns/ReturnPeriod.h"
#include "returns/import/FigureImport.h"

#include <span>
#include <vector>

struct ClientRecord;
struct FormSet;
struct LocationResult;
struct LocationResults;
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

// The return's period changed after locations were prepared: every prepared location is
// prepared again for `period` from the figures it was entered with (`figures[row]`), which the
// period's rates may change, and the period of `results` becomes `period`. A location whose
// ST-1 bases then miss line 3 is no longer prepared; its rows are returned. The period is a
// copy, since it may be the record's own, which each preparation resets.
std::vector<int> prepareLocationsAgain(LocationResults& results, ReturnRecord& record, FormSet& set,
                                       const ClientRecord& client, ReturnPeriod period,
                                       std::span<const QJsonObject> figures,
                                       const FillContext& context);
