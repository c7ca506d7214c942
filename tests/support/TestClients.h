#pragma once

#include "clients/ClientRecord.h"

// Clients of the tests, in Springfield (the table line of rates of 8.75 % and 2.25 %).
namespace TestClients {
inline constexpr char kSpringfieldTaxLine[] =
    "076-5000-9SPRINGFIELD              SANGAMON                 200501010875002250 0625001000 "
    "00000                 0850002000 0625001000 00000 ";

// A single-site client named `name`.
ClientRecord springfield(const char* name);
// A multi-site client with `count` sites "Site 1", "Site 2" ... at "1 Elm St", "2 Elm St" ...,
// numbered 10, 11 ..., except the third, which stores no number (so it shows 3).
ClientRecord springfieldSites(int count);
} // namespace TestClients
