#include "clients/clientwizard/ClientAnswers.h"

#include <algorithm>
#include <cstring>

namespace {
template <typename Field>
void copyField(Field& to, const Field& from) {
    std::memcpy(&to, &from, sizeof(Field));
}

// Everything the wizard asks besides the locations and the e-mail address.
void copyProfile(const ClientRecord& from, ClientRecord& to) {
    to.multiSite = from.multiSite;
    copyField(to.businessName, from.businessName);
    copyField(to.address1, from.address1);
    copyField(to.address2, from.address2);
    copyField(to.city, from.city);
    copyField(to.zipCode, from.zipCode);
    copyField(to.phone, from.phone);
    copyField(to.ibtNumber, from.ibtNumber);
    copyField(to.kobNumber, from.kobNumber);
    copyField(to.locationCode, from.locationCode);
    to.transmittalDiffers = from.transmittalDiffers;
    copyField(to.transmittalAddress1, from.transmittalAddress1);
    copyField(to.transmittalAddress2, from.transmittalAddress2);
    copyField(to.transmittalCity, from.transmittalCity);
    copyField(to.transmittalZip, from.transmittalZip);
    to.filesST14 = from.filesST14;
    to.filesST4 = from.filesST4;
    to.filesST8 = from.filesST8;
    copyField(to.taxRecord, from.taxRecord);
    copyField(to.motorFuel, from.motorFuel);
    to.deductionGroup1 = from.deductionGroup1;
    to.deductionGroup2 = from.deductionGroup2;
    to.deductionGroup3 = from.deductionGroup3;
}

// The sites in list order; slots after the last one are emptied, so a removed site does not
// linger in the file.
void copyLocations(const ClientAnswers& answers, ClientRecord& to) {
    const std::size_t count =
        std::min(answers.locations.size(), static_cast<std::size_t>(kMaxLocations));
    to.locationCount = static_cast<std::int32_t>(count);
    std::memset(to.locations, 0, sizeof(to.locations));
    std::copy_n(answers.locations.begin(), count, to.locations);
    copyField(to.email, answers.locationsEmail);
}
} // namespace

ClientAnswers::ClientAnswers() : draft(std::make_unique<ClientRecord>()) {
    initClientRecord(*draft);
}

ClientAnswers ClientAnswers::of(const ClientRecord& record) {
    ClientAnswers answers;
    *answers.draft = record;
    copyField(answers.businessEmail, record.email);
    copyField(answers.locationsEmail, record.email);
    const int count = std::clamp(record.locationCount, 0, kMaxLocations);
    answers.locations.assign(record.locations, record.locations + count);
    return answers;
}

void fillNewClient(const ClientAnswers& answers, ClientRecord& record) {
    initClientRecord(record);
    copyProfile(*answers.draft, record);
    record.calculationMethod = answers.draft->calculationMethod;
    if (answers.isMultiSite()) {
        copyLocations(answers, record);
    } else {
        record.locationCount = static_cast<std::int32_t>(answers.locations.size());
        copyField(record.email, answers.businessEmail);
    }
}

void applyAnswers(const ClientAnswers& answers, ClientRecord& record) {
    copyProfile(*answers.draft, record);
    if (answers.isMultiSite())
        copyLocations(answers, record);
    else
        copyField(record.email, answers.businessEmail);
}
