#include "clients/ClientProfile.h"

#include "platform/FixedText.h"

#include <tuple>
#include <type_traits>

namespace {
// Where the client record of a location takes a profile field from.
enum class LocationSource { Location, Client, Nowhere };

template <auto ClientField, LocationSource Source, auto LocationField = nullptr>
struct Field {
    static constexpr auto client = ClientField;
    static constexpr LocationSource source = Source;
    static constexpr auto location = LocationField;
};

using C = ClientRecord;
using L = ClientLocation;
constexpr LocationSource kLocation = LocationSource::Location;
constexpr LocationSource kClient = LocationSource::Client;
constexpr LocationSource kNowhere = LocationSource::Nowhere;

using ProfileFields =
    std::tuple<Field<&C::multiSite, kNowhere>, Field<&C::businessName, kLocation, &L::name>,
               Field<&C::address1, kLocation, &L::address1>,
               Field<&C::address2, kLocation, &L::address2>, Field<&C::city, kLocation, &L::city>,
               Field<&C::zipCode, kLocation, &L::zipCode>, Field<&C::phone, kLocation, &L::phone>,
               Field<&C::ibtNumber, kClient>, Field<&C::kobNumber, kClient>,
               Field<&C::locationCode, kLocation, &L::locationCode>,
               Field<&C::transmittalDiffers, kNowhere>, Field<&C::transmittalAddress1, kNowhere>,
               Field<&C::transmittalAddress2, kNowhere>, Field<&C::transmittalCity, kNowhere>,
               Field<&C::transmittalZip, kNowhere>, Field<&C::filesST14, kClient>,
               Field<&C::filesST4, kClient>, Field<&C::filesST8, kClient>,
               Field<&C::taxRecord, kLocation, &L::taxRecord>,
               Field<&C::motorFuel, kLocation, &L::motorFuel>, Field<&C::deductionGroup1, kClient>,
               Field<&C::deductionGroup2, kClient>, Field<&C::deductionGroup3, kClient>>;

template <typename Visit>
void forEachField(Visit visit) {
    std::apply([&](auto... fields) { (visit(fields), ...); }, ProfileFields{});
}

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
