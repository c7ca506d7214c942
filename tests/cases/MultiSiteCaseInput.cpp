#include "MultiSiteCaseInput.h"

#include "ReturnCaseInput.h"
#include "platform/FixedText.h"

#include <QJsonArray>
#include <algorithm>

namespace {
template <std::size_t N>
void setText(char (&field)[N], const QJsonObject& object, const char* key) {
    FixedText::set(field, ReturnCaseInput::bytesOf(object[QLatin1String(key)]));
}

ClientLocation locationOf(const QJsonObject& json) {
    ClientLocation location{};
    setText(location.name, json, "name");
    setText(location.address1, json, "address1");
    setText(location.address2, json, "address2");
    setText(location.city, json, "city");
    setText(location.zipCode, json, "zipCode");
    setText(location.phone, json, "phone");
    setText(location.locationCode, json, "locationCode");
    location.taxRecord.parse(ReturnCaseInput::bytesOf(json[QLatin1String("taxLine")]));
    location.motorFuel = ReturnCaseInput::motorFuel(json);
    location.locationNumber = std::uint8_t(json[QLatin1String("locationNumber")].toInt());
    return location;
}
} // namespace

ClientRecord MultiSiteCaseInput::client(const QJsonObject& clientJson) {
    ClientRecord client = ReturnCaseInput::client(clientJson);
    const QJsonArray locations = clientJson[QLatin1String("locations")].toArray();
    client.locationCount = int(std::min<qsizetype>(locations.size(), kMaxLocations));
    for (int row = 0; row < client.locationCount; ++row)
        client.locations[row] = locationOf(locations[row].toObject());
    return client;
}
