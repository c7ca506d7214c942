#include "clients/profile/ClientAnswers.h"

#include "platform/FixedText.h"

#include <algorithm>
#include <cstring>

namespace {
// Everything the wizard asks besides the locations and the e-mail address.
void copyProfile(const ClientRecord& from, ClientRecord& to) {
    to.multiSite = from.multiSite;
    FixedText::copy(to.businessName, from.businessName);
    FixedText::copy(to.address1, from.address1);
    FixedText::copy(to.address2, from.address2);
    FixedText::copy(to.city, from.city);
    FixedText::copy(to.zipCode, from.zipCode);
    FixedText::copy(to.phone, from.phone);
    FixedText::copy(to.ibtNumber, from.ibtNumber);
    FixedText::copy(to.kobNumber, from.kobNumber);
    FixedText::copy(to.locationCode, from.locationCode);
    to.transmittalDiffers = from.transmittalDiffers;
    FixedText::copy(to.transmittalAddress1, from.transmittalAddress1);
    FixedText::copy(to.transmittalAddress2, from.transmittalAddress2);
    FixedText::copy(to.transmittalCity, from.transmittalCity);
    FixedText::copy(to.transmittalZip, from.transmittalZip);
    to.filesST14 = from.filesST14;
    to.filesST4 = from.filesST4;
    to.filesST8 = from.filesST8;
    to.taxRecord = from.taxRecord;
    to.motorFuel = from.motorFuel;
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
    FixedText::copy(to.email, answers.locationsEmail);
}
} // namespace

ClientAnswers::ClientAnswers() : draft(std::make_unique<ClientRecord>()) {
    initClientRecord(*draft);
}

ClientAnswers ClientAnswers::of(const ClientRecord& record) {
    ClientAnswers answers;
    *answers.draft = record;
    FixedText::copy(answers.businessEmail, record.email);
    FixedText::copy(answers.locationsEmail, record.email);
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
        FixedText::copy(record.email, answers.businessEmail);
    }
}

void applyAnswers(const ClientAnswers& answers, ClientRecord& record) {
    copyProfile(*answers.draft, record);
    if (answers.isMultiSite())
        copyLocations(answers, record);
    else
        FixedText::copy(record.email, answers.businessEmail);
}
