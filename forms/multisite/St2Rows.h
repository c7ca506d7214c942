#pragma once

#include "forms/filling/St2PageForm.h"

#include <vector>

struct ClientRecord;
struct LocationResults;

// The entries of ST-2 page `page` (0 to 7): the rows of locations 5 * page to 5 * page + 4
// that exist, then the page totals. A row's first line identifies the site as "%s %03d  %s"
// with its location code, its display number and its city; the next four are the name and
// address block of the location's ST-1 (the last empty without a second street line). Its
// figures are the location's ST-1 lines 4a, 4b, 5a, 5b, 8a and 8b and the rates of lines 4
// and 5. The totals row has empty texts and the sums of the six amounts. No entries for a
// page past the last location.
std::vector<St2Entry> st2PageEntries(const ClientRecord& client, const LocationResults& results,
                                     int page);

// How many ST-2 pages `locations` locations take: five to a page.
int st2PagesUsed(int locations);
