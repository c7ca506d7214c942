#include "clients/profile/SiteTexts.h"

#include "platform/FixedText.h"

namespace {
template <typename Site, typename Name>
EntryChecks::SiteEntry read(const Site& site, const Name& name) {
    return {FixedText::get(name),
            FixedText::get(site.address1),
            FixedText::get(site.address2),
            FixedText::get(site.city),
            FixedText::get(site.zipCode),
            FixedText::get(site.phone),
            FixedText::get(site.locationCode),
            QString()};
}

template <typename Site, typename Name>
void write(const EntryChecks::SiteEntry& entry, Site& site, Name& name) {
    FixedText::set(name, entry.name);
    FixedText::set(site.address1, entry.address1);
    FixedText::set(site.address2, entry.address2);
    FixedText::set(site.city, entry.city);
    FixedText::set(site.zipCode, entry.zipCode);
    FixedText::set(site.phone, entry.phone);
    FixedText::set(site.locationCode, entry.locationCode);
}
} // namespace

EntryChecks::SiteEntry SiteTexts::of(const ClientRecord& record) {
    return read(record, record.businessName);
}

EntryChecks::SiteEntry SiteTexts::of(const ClientLocation& location) {
    return read(location, location.name);
}

void SiteTexts::store(const EntryChecks::SiteEntry& site, ClientRecord& record) {
    write(site, record, record.businessName);
}

void SiteTexts::store(const EntryChecks::SiteEntry& site, ClientLocation& location) {
    write(site, location, location.name);
}
