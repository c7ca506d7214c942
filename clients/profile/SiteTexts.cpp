#include "clients/profile/SiteTexts.h"

#include "clients/ClientProfileFields.h"
#include "platform/FixedText.h"

namespace {
using namespace ClientProfileFields;

// The site texts of a client record or of a location, as the profile table pairs them with
// the entry fields.
template <typename Site>
constexpr auto memberOf(auto field) {
    if constexpr (std::is_same_v<Site, ClientRecord>)
        return field.client;
    else
        return field.location;
}

template <typename Site>
EntryChecks::SiteEntry read(const Site& site) {
    EntryChecks::SiteEntry entry;
    forEachField([&](auto field) {
        if constexpr (field.site != nullptr)
            entry.*field.site = FixedText::get(site.*memberOf<Site>(field));
    });
    return entry;
}

template <typename Site>
void write(const EntryChecks::SiteEntry& entry, Site& site) {
    forEachField([&](auto field) {
        if constexpr (field.site != nullptr)
            FixedText::set(site.*memberOf<Site>(field), entry.*field.site);
    });
}
} // namespace

EntryChecks::SiteEntry SiteTexts::of(const ClientRecord& record) {
    return read(record);
}

EntryChecks::SiteEntry SiteTexts::of(const ClientLocation& location) {
    return read(location);
}

void SiteTexts::store(const EntryChecks::SiteEntry& site, ClientRecord& record) {
    write(site, record);
}

void SiteTexts::store(const EntryChecks::SiteEntry& site, ClientLocation& location) {
    write(site, location);
}
