#include "clients/profile/ClientAnswers.h"

#include "clients/ClientProfile.h"
#include "platform/FixedText.h"

#include <algorithm>
#include <cstring>

namespace {
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
    ClientProfile::copy(*answers.draft, record);
    record.calculationMethod = answers.draft->calculationMethod;
    if (answers.isMultiSite()) {
        copyLocations(answers, record);
    } else {
        record.locationCount = static_cast<std::int32_t>(answers.locations.size());
        FixedText::copy(record.email, answers.businessEmail);
    }
}

void applyAnswers(const ClientAnswers& answers, ClientRecord& record) {
    ClientProfile::copy(*answers.draft, record);
    if (answers.isMultiSite())
        copyLocations(answers, record);
    else
        FixedText::copy(record.email, answers.businessEmail);
}
