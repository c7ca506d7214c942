#pragma once

#include "clients/ClientRecord.h"

// The client record a location's return is prepared for: the location's name, address,
// phone, location code, tax record and motor fuel profile, with the client's IBT and KOB
// numbers, filing flags and deduction groups. Everything else is empty, so the record is a
// single-site client without a transmittal address.
ClientRecord locationClientRecord(const ClientRecord& client, const ClientLocation& location);
