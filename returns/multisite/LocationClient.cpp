#include "returns/multisite/LocationClient.h"

#include <algorithm>

namespace {
template <std::size_t N>
void copyText(char (&target)[N], const char (&source)[N]) {
    std::copy(std::begin(source), std::end(source), std::begin(target));
}
} // namespace

ClientRecord locationClientRecord(const ClientRecord& client, const ClientLocation& location) {
    ClientRecord record;
    initClientRecord(record);
    copyText(record.businessName, location.name);
    copyText(record.address1, location.address1);
    copyText(record.address2, location.address2);
    copyText(record.city, location.city);
    copyText(record.zipCode, location.zipCode);
    copyText(record.phone, location.phone);
    copyText(record.ibtNumber, client.ibtNumber);
    copyText(record.kobNumber, client.kobNumber);
    copyText(record.locationCode, location.locationCode);
    record.taxRecord = location.taxRecord;
    record.motorFuel = location.motorFuel;
    record.filesST14 = client.filesST14;
    record.filesST4 = client.filesST4;
    record.filesST8 = client.filesST8;
    record.deductionGroup1 = client.deductionGroup1;
    record.deductionGroup2 = client.deductionGroup2;
    record.deductionGroup3 = client.deductionGroup3;
    return record;
}
