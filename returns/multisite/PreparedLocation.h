#pragma once

struct LocationResult;
struct ReturnRecord;

// When the location's wizard ends with Finish: computes the return as its summary page does
// and copies the ST-1, worksheet, ST-8, ST-14 and ST-4 sections, the fuel sales and the steps
// of the calculations into the entry, which then counts as prepared (a second preparation
// replaces the first). A return whose ST-1 bases do not add up (kSt1BasesDoNotAddUp) is
// refused: the entry stays as it was.
int storePreparedLocation(LocationResult& entry, ReturnRecord& record);
