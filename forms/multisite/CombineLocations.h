#pragma once

#include "forms/filling/FillContext.h"
#include "forms/multisite/CombinedFills.h"
#include "returns/explain/StepRecorder.h"

struct ClientRecord;
struct LocationResults;
struct ReturnRecord;

// Combines the prepared locations of a multi-site client into one return, as the summary page
// does each time it is shown:
// 1. the record's ST-1, worksheet, ST-14, ST-4, ST-8 and gasohol sections and the eight ST-2
//    pages are reset;
// 2. the record takes the primary (first) location's client record and the return's period
//    and is computed once with empty inputs, which derives the period texts, and ST-1 page 1
//    is filled from it, which keeps the primary location's texts;
// 3. the locations' lines and worksheet items are summed (sumLocations);
// 4. the ST-2 pages are filled with five sites each, stopping at a page that fails;
// 5. page 1 is written from the summed figures with the primary location's texts, the six
//    rates blank and the location line of a combined return; page 2 from the summed items.
// The record's summary holds the combined lines 1, 2, 3 and 25; its client is the multi-site
// client again once the pages are filled. `steps` hears how the sums come about.
CombinedFills combineLocations(ReturnRecord& record, FormSet& set, const ClientRecord& client,
                               const LocationResults& results, const FillContext& context,
                               StepRecorder steps = {});
