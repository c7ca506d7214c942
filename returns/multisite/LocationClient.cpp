#include "returns/multisite/LocationClient.h"

#include "platform/FixedText.h"

ClientRecord locationClientRecord(const ClientRecord& client, const ClientLocation& location) {
    ClientRecord record;
    initClientRecord(record);
    FixedText::copy(record.businessName, location.name);
    FixedText::copy(record.address1, location.address1);
    FixedText::copy(record.address2, location.address2);
    FixedText::copy(record.city, location.city);
    FixedText::copy(record.zipCode, location.zipCode);
    FixedText::copy(record.phone, location.phone);
    FixedText::copy(record.ibtNumber, client.ibtNumber);
    FixedText::copy(record.kobNumber, client.kobNumber);
    FixedText::copy(record.locationCode, location.locationCode);
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
