#pragma once

struct ClientRecord;
struct LocationResult;
struct ReturnRecord;

// One location's own return, as its ST-14, ST-4 and ST-8 pages print it and its explanations
// and data tell it: its location client record, the period and period texts of the combined
// return `combined`, and the sections and fuel sales its wizard left.
void takeLocationReturn(ReturnRecord& location, const ReturnRecord& combined,
                        const ClientRecord& client, const LocationResult& entry);
