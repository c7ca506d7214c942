#include "clients/ClientProfile.h"

#include "clients/ClientProfileFields.h"
#include "platform/FixedText.h"

#include <type_traits>

namespace {
using namespace ClientProfileFields;

// Text fields are copied whole, bytes after the terminator included, like the records.
template <typename T>
void copyValue(T& to, const T& from) {
    if constexpr (std::is_array_v<T>)
        FixedText::copy(to, from);
    else
        to = from;
}
} // namespace

namespace ClientProfile {

void copy(const ClientRecord& from, ClientRecord& to) {
    forEachField([&](auto field) { copyValue(to.*field.client, from.*field.client); });
}

void copyForLocation(const ClientRecord& client, const ClientLocation& location, ClientRecord& to) {
    forEachField([&](auto field) {
        if constexpr (field.source == kLocation)
            copyValue(to.*field.client, location.*field.location);
        else if constexpr (field.source == kClient)
            copyValue(to.*field.client, client.*field.client);
    });
}

} // namespace ClientProfile
