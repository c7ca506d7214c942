#include "returns/multisite/LocationClient.h"

#include "clients/ClientProfile.h"

ClientRecord locationClientRecord(const ClientRecord& client, const ClientLocation& location) {
    ClientRecord record;
    initClientRecord(record);
    ClientProfile::copyForLocation(client, location, record);
    return record;
}
