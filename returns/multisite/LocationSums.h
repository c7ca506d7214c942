#pragma once

#include "returns/explain/StepRecorder.h"
#include "returns/multisite/LocationResult.h"

#include <span>

struct ReturnRecord;

// The combined figures of a multi-site return, added into `record` (whose sections start
// empty): every ST-1 line of the locations summed in list order (no line is recomputed, so
// the combined discount is the sum of the locations' rounded discounts), every worksheet item
// and gallon count summed, the ST-8 worksheet amounts summed into `record.st8`, the
// descriptions of items 9c, 16a and 16b joined with "," between the non-empty ones. The
// receipts of item 8 are derived from the summed exemptions; items
// 16c, 16d, their descriptions and item 17 are then derived from the sums as a single
// return derives them, and the summary takes the combined lines 1, 2, 3 and 25. `steps` hears
// every location's share of every sum and how the derived items come about.
void sumLocations(ReturnRecord& record, std::span<const LocationResult> locations,
                  StepRecorder steps = {});
