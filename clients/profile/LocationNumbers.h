#pragma once

#include "clients/ClientRecord.h"

#include <vector>

// The numbers under which the locations of a multi-site client are listed.
namespace LocationNumbers {
// The stored number, or the 1-based position when none is stored.
int shown(const ClientLocation& location, int position);
// The number a new location is offered: one more than the highest shown, 1 for the first.
int nextFree(const std::vector<const ClientLocation*>& locations);
} // namespace LocationNumbers
