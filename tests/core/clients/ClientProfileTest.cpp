#include "clients/ClientProfile.h"

#include "clients/profile/SiteTexts.h"
#include "platform/FixedText.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
// Where the bytes of a record came from, told by the byte each source record is filled with.
constexpr char kClientByte = char(0xC1);
constexpr char kLocationByte = char(0x1C);

struct Span {
    const char* name;
    std::size_t offset;
    std::size_t size;
};

template <typename T>
Span span(const char* name, const ClientRecord& record, const T& field) {
    return {
        name,
        std::size_t(reinterpret_cast<const char*>(&field) - reinterpret_cast<const char*>(&record)),
        sizeof(T)};
}

// The byte every position of `record` must hold: `inside` within the spans, `outside` elsewhere.
void expectBytes(const ClientRecord& record, const std::vector<Span>& spans, char inside,
                 char outside) {
    const auto* bytes = reinterpret_cast<const char*>(&record);
    std::vector<char> expected(sizeof(ClientRecord), outside);
    for (const Span& field : spans)
        std::fill_n(expected.begin() + std::ptrdiff_t(field.offset), field.size, inside);
    for (std::size_t index = 0; index < sizeof(ClientRecord); ++index) {
        if (bytes[index] == expected[index])
            continue;
        const char* name = "a byte no field of the table names";
        for (const Span& field : spans)
            if (index >= field.offset && index < field.offset + field.size)
                name = field.name;
        ADD_FAILURE() << "byte " << index << " (" << name << ")";
        return;
    }
}

class ClientProfileTest : public ::testing::Test {
protected:
    ClientProfileTest() {
        std::memset(client.get(), kClientByte, sizeof(ClientRecord));
        std::memset(&location, kLocationByte, sizeof location);
        std::memset(target.get(), 0, sizeof(ClientRecord));
    }
    std::unique_ptr<ClientRecord> client = std::make_unique<ClientRecord>();
    ClientLocation location;
    std::unique_ptr<ClientRecord> target = std::make_unique<ClientRecord>();
};
} // namespace

// The client wizard's answers carry every field of the record but the file's own head, the
// calculation method, the locations and the e-mail address (which the steps keep apart), and
// the reserved bytes.
TEST_F(ClientProfileTest, TheWizardsAnswersCarryEveryProfileField) {
    ClientProfile::copy(*client, *target);
    const ClientRecord& r = *target;
    expectBytes(r,
                {span("signature", r, r.signature), span("recordSize", r, r.recordSize),
                 span("version", r, r.version), span("versionCopy", r, r.versionCopy),
                 span("calculationMethod", r, r.calculationMethod), span("filler1", r, r.filler1),
                 span("filler2", r, r.filler2), span("locationCount", r, r.locationCount),
                 span("locations", r, r.locations), span("reserved1", r, r.reserved1),
                 span("email", r, r.email), span("reserved2", r, r.reserved2)},
                0, kClientByte);
}

// A location's client record: the site's name, address, phone, location code, tax record and
// motor fuel profile; the client's numbers, filing flags and deduction groups; nothing else.
TEST_F(ClientProfileTest, ALocationsRecordTakesEachFieldFromItsPlace) {
    ClientProfile::copyForLocation(*client, location, *target);
    const ClientRecord& r = *target;
    const std::vector<Span> fromLocation = {
        span("businessName", r, r.businessName), span("address1", r, r.address1),
        span("address2", r, r.address2),         span("city", r, r.city),
        span("zipCode", r, r.zipCode),           span("phone", r, r.phone),
        span("locationCode", r, r.locationCode), span("taxRecord", r, r.taxRecord),
        span("motorFuel", r, r.motorFuel)};
    const std::vector<Span> fromClient = {span("ibtNumber", r, r.ibtNumber),
                                          span("kobNumber", r, r.kobNumber),
                                          span("filesST14", r, r.filesST14),
                                          span("filesST4", r, r.filesST4),
                                          span("filesST8", r, r.filesST8),
                                          span("deductionGroup1", r, r.deductionGroup1),
                                          span("deductionGroup2", r, r.deductionGroup2),
                                          span("deductionGroup3", r, r.deductionGroup3)};
    std::vector<Span> both = fromLocation;
    both.insert(both.end(), fromClient.begin(), fromClient.end());
    // Every byte outside the two lists stays 0; within them, each comes from its own source.
    ClientRecord withoutLocation = r;
    for (const Span& field : fromLocation)
        std::memset(reinterpret_cast<char*>(&withoutLocation) + field.offset, kClientByte,
                    field.size);
    expectBytes(withoutLocation, both, kClientByte, 0);
    ClientRecord withoutClient = r;
    for (const Span& field : fromClient)
        std::memset(reinterpret_cast<char*>(&withoutClient) + field.offset, kLocationByte,
                    field.size);
    expectBytes(withoutClient, both, kLocationByte, 0);
}

namespace {
// The site texts the business step and the location dialog show are the fields a location's
// record takes from the location: what the dialog stored in a location is what the location's
// return is prepared with, field for field, and each text lands where it was read from.
TEST(SiteTexts, ALocationsTextsAreThoseOfItsRecordAndComeBackAsStored) {
    const EntryChecks::SiteEntry typed{"North Store", "1 Elm St",       "Suite 2",    "Springfield",
                                       "62701",       "(217) 555-0100", "076-5000-9", {}};
    auto client = std::make_unique<ClientRecord>();
    initClientRecord(*client);
    SiteTexts::store(typed, client->locations[1]);
    auto locationRecord = std::make_unique<ClientRecord>();
    initClientRecord(*locationRecord);
    ClientProfile::copyForLocation(*client, client->locations[1], *locationRecord);
    const EntryChecks::SiteEntry fromLocation = SiteTexts::of(client->locations[1]);
    const EntryChecks::SiteEntry fromRecord = SiteTexts::of(*locationRecord);
    const QString EntryChecks::SiteEntry::*fields[] = {
        &EntryChecks::SiteEntry::name,        &EntryChecks::SiteEntry::address1,
        &EntryChecks::SiteEntry::address2,    &EntryChecks::SiteEntry::city,
        &EntryChecks::SiteEntry::zipCode,     &EntryChecks::SiteEntry::phone,
        &EntryChecks::SiteEntry::locationCode};
    for (const auto field : fields) {
        EXPECT_EQ(fromLocation.*field, typed.*field);
        EXPECT_EQ(fromRecord.*field, typed.*field);
    }
    EXPECT_EQ(FixedText::get(client->locations[1].name), "North Store");
    EXPECT_EQ(FixedText::get(client->locations[1].zipCode), "62701");
    EXPECT_EQ(FixedText::get(locationRecord->businessName), "North Store");
    EXPECT_EQ(FixedText::get(locationRecord->phone), "(217) 555-0100");
    EXPECT_TRUE(fromRecord.email.isEmpty());
}
} // namespace
