#pragma once

#include "clients/ClientRecord.h"
#include "clients/profile/EntryChecks.h"

// Moves the seven site texts (name, addresses, city, zip code, phone, location code) between
// the entry fields and a client or location record. Texts are stored the way an edit box
// writes them into a record: cut to the field's width, the bytes after the terminator left.
// The e-mail address is not part of a record's site texts and is left alone.
namespace SiteTexts {
EntryChecks::SiteEntry of(const ClientRecord& record);
EntryChecks::SiteEntry of(const ClientLocation& location);
void store(const EntryChecks::SiteEntry& site, ClientRecord& record);
void store(const EntryChecks::SiteEntry& site, ClientLocation& location);
} // namespace SiteTexts
