#include "TestClients.h"

#include "platform/FixedText.h"

ClientRecord TestClients::springfield(const char* name) {
    ClientRecord client;
    initClientRecord(client);
    FixedText::set(client.businessName, name);
    client.taxRecord.parse(kSpringfieldTaxLine);
    return client;
}

ClientRecord TestClients::springfieldSites(int count) {
    ClientRecord client;
    initClientRecord(client);
    client.multiSite = 1;
    client.locationCount = count;
    FixedText::set(client.ibtNumber, "1234-5678");
    for (int row = 0; row < count; ++row) {
        ClientLocation& location = client.locations[row];
        FixedText::set(location.name, "Site " + std::to_string(row + 1));
        FixedText::set(location.address1, std::to_string(row + 1) + " Elm St");
        FixedText::set(location.city, "Springfield");
        FixedText::set(location.locationCode, "076-5000-9");
        location.taxRecord.parse(kSpringfieldTaxLine);
        location.locationNumber = std::uint8_t(row == 2 ? 0 : 10 + row);
    }
    return client;
}
