#include "returns/multisite/LocationResult.h"

#include <algorithm>

void bindLocations(LocationResults& results, const ClientRecord& client) {
    results.entries.fill(LocationResult());
    results.count = std::clamp(client.locationCount, 0, kMaxLocations);
    for (int row = 0; row < results.count; ++row)
        results.entries[size_t(row)].location = client.locations[row];
}

bool allLocationsPrepared(const LocationResults& results) {
    return std::ranges::all_of(results.listed(),
                               [](const LocationResult& entry) { return entry.prepared; });
}

int locationDisplayNumber(const ClientLocation& location, int row) {
    return location.locationNumber != 0 ? int(location.locationNumber) : row + 1;
}
