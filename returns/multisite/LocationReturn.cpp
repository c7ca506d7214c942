#include "returns/multisite/LocationReturn.h"

#include "returns/ReturnRecord.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/LocationResult.h"

void takeLocationReturn(ReturnRecord& location, const ReturnRecord& combined,
                        const ClientRecord& client, const LocationResult& entry) {
    resetReturn(location);
    takeClient(location, locationClientRecord(client, entry.location));
    setPeriod(location, combined.period);
    location.texts = combined.texts;
    copyLocationSections(entry, location);
}
