#include "clients/profile/LocationNumbers.h"

#include <algorithm>

int LocationNumbers::shown(const ClientLocation& location, int position) {
    return location.locationNumber != 0 ? location.locationNumber : position;
}

int LocationNumbers::nextFree(const std::vector<const ClientLocation*>& locations) {
    int highest = 0;
    for (std::size_t index = 0; index < locations.size(); ++index)
        highest = std::max(highest, shown(*locations[index], static_cast<int>(index) + 1));
    return highest + 1;
}
