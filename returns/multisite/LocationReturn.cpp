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
    location.st1 = entry.st1;
    location.worksheet = entry.worksheet;
    location.fuelSales = entry.fuelSales;
    location.st14 = entry.st14;
    location.st4 = entry.st4;
    location.st8 = entry.st8;
}
