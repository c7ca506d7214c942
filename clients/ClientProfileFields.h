#pragma once

#include "clients/ClientRecord.h"
#include "clients/profile/EntryChecks.h"

#include <tuple>

// The one table of the client profile fields, for ClientProfile and SiteTexts: each field of
// the client record with where the record of one location of a multi-site client takes it from
// (the location, the client, or nowhere), and, for the seven site texts, the entry field the
// client wizard's business step and location dialog show it in.
namespace ClientProfileFields {

enum class LocationSource { Location, Client, Nowhere };

template <auto ClientField, LocationSource Source, auto LocationField = nullptr,
          auto SiteField = nullptr>
struct Field {
    static constexpr auto client = ClientField;
    static constexpr LocationSource source = Source;
    static constexpr auto location = LocationField;
    static constexpr auto site = SiteField; // a member of EntryChecks::SiteEntry, or none
};

using C = ClientRecord;
using L = ClientLocation;
using S = EntryChecks::SiteEntry;
inline constexpr LocationSource kLocation = LocationSource::Location;
inline constexpr LocationSource kClient = LocationSource::Client;
inline constexpr LocationSource kNowhere = LocationSource::Nowhere;

using Fields =
    std::tuple<Field<&C::multiSite, kNowhere>,
               Field<&C::businessName, kLocation, &L::name, &S::name>,
               Field<&C::address1, kLocation, &L::address1, &S::address1>,
               Field<&C::address2, kLocation, &L::address2, &S::address2>,
               Field<&C::city, kLocation, &L::city, &S::city>,
               Field<&C::zipCode, kLocation, &L::zipCode, &S::zipCode>,
               Field<&C::phone, kLocation, &L::phone, &S::phone>, Field<&C::ibtNumber, kClient>,
               Field<&C::kobNumber, kClient>,
               Field<&C::locationCode, kLocation, &L::locationCode, &S::locationCode>,
               Field<&C::transmittalDiffers, kNowhere>, Field<&C::transmittalAddress1, kNowhere>,
               Field<&C::transmittalAddress2, kNowhere>, Field<&C::transmittalCity, kNowhere>,
               Field<&C::transmittalZip, kNowhere>, Field<&C::filesST14, kClient>,
               Field<&C::filesST4, kClient>, Field<&C::filesST8, kClient>,
               Field<&C::taxRecord, kLocation, &L::taxRecord>,
               Field<&C::motorFuel, kLocation, &L::motorFuel>, Field<&C::deductionGroup1, kClient>,
               Field<&C::deductionGroup2, kClient>, Field<&C::deductionGroup3, kClient>>;

template <typename Visit>
void forEachField(Visit visit) {
    std::apply([&](auto... fields) { (visit(fields), ...); }, Fields{});
}

} // namespace ClientProfileFields
