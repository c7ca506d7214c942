#pragma once

#include "clients/ClientRecord.h"

// The profile of a client: every field the client wizard asks for besides the locations, the
// e-mail address and the calculation method. One table (in ClientProfile.cpp) lists them, with
// where the client record of one location of a multi-site client takes each from: the
// location, the client, or nowhere (the field stays empty).
namespace ClientProfile {

// Copies every profile field of `from` into `to`; the other fields of `to` stay.
void copy(const ClientRecord& from, ClientRecord& to);

// Gives `to` the profile a location's return is prepared with: the location's name, address,
// phone, location code, tax record and motor fuel profile with the client's IBT and KOB numbers,
// filing flags and deduction groups. The fields taken from nowhere stay as they were.
void copyForLocation(const ClientRecord& client, const ClientLocation& location, ClientRecord& to);

} // namespace ClientProfile
