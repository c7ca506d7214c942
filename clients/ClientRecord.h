#pragma once

#include "taxtables/TaxTableRecord.h"

#include <QString>
#include <bit>
#include <cstddef>
#include <cstdint>

// The client file is the in-memory image of these records, byte for byte: little-endian 32-bit
// integers and NUL-terminated Windows-1252 texts at fixed offsets. Every field sits at its
// natural alignment, so the structs need no packing; the asserts below pin each offset.
static_assert(std::endian::native == std::endian::little,
              "client files are little-endian images of the records");

// Motor fuel settings of a client or of one of its locations.
struct MotorFuelProfile {
    std::int32_t sellsMotorFuel;
    std::int32_t homeRuleCategory; // 0-6, see homeRuleCategory()
    std::int32_t gasolineCents;    // home-rule fuel taxes in whole cents per gallon
    std::int32_t gasoholCents;
    std::int32_t dieselCents;
    std::int32_t dieselholCents;
    std::int32_t specialFuelsCents;
};
static_assert(sizeof(MotorFuelProfile) == 28);

// One site of a multi-site client. An empty slot is all zeros.
struct ClientLocation {
    char name[61];
    char address1[61];
    char address2[61];
    char city[41];
    char zipCode[7];
    char phone[16];
    char locationCode[13];
    std::int32_t reserved1;
    TaxTableRecord taxRecord;
    char filler1[2];
    MotorFuelProfile motorFuel;
    std::int32_t reserved2[3];
    // 1-255 as typed; 0 means none stored, and the 1-based list position is shown instead.
    std::uint8_t locationNumber;
    char filler2[3];
    char reserved3[292];
};
static_assert(sizeof(ClientLocation) == 764);
static_assert(offsetof(ClientLocation, address1) == 61);
static_assert(offsetof(ClientLocation, city) == 183);
static_assert(offsetof(ClientLocation, zipCode) == 224);
static_assert(offsetof(ClientLocation, phone) == 231);
static_assert(offsetof(ClientLocation, locationCode) == 247);
static_assert(offsetof(ClientLocation, reserved1) == 260);
static_assert(offsetof(ClientLocation, taxRecord) == 264);
static_assert(offsetof(ClientLocation, motorFuel) == 428);
static_assert(offsetof(ClientLocation, reserved2) == 456);
static_assert(offsetof(ClientLocation, locationNumber) == 468);
static_assert(offsetof(ClientLocation, reserved3) == 472);

inline constexpr char kClientSignature[] = "Vantrobe Client Info 101475";
inline constexpr int kMaxLocations = 40;

// A client, version 2 of the record: everything the program knows about one business.
struct ClientRecord {
    char signature[36];
    std::int32_t recordSize; // always written as 31892
    std::int32_t version;    // 2
    std::int32_t versionCopy;
    std::int32_t multiSite;         // 1 when the client files Form ST-2 for several sites
    std::int32_t calculationMethod; // 0 "Deductions Method", 1 "Tax Collected Method"
    char businessName[61];
    char address1[61];
    char address2[61];
    char city[41];
    char zipCode[7];
    char phone[16];
    char ibtNumber[13];
    char kobNumber[7];
    char locationCode[13];
    std::int32_t transmittalDiffers;
    char transmittalAddress1[61];
    char transmittalAddress2[61];
    char transmittalCity[41];
    char transmittalZip[7];
    char filler1[2];
    std::int32_t filesST14;
    std::int32_t filesST4;
    std::int32_t filesST8;
    TaxTableRecord taxRecord;
    char filler2[2];
    MotorFuelProfile motorFuel;
    std::int32_t deductionGroup1;
    std::int32_t deductionGroup2;
    std::int32_t deductionGroup3;
    std::int32_t locationCount; // used slots, meaningful only when multiSite is 1
    ClientLocation locations[kMaxLocations];
    std::int32_t reserved1;
    char email[50];
    char reserved2[546];
};
static_assert(sizeof(ClientRecord) == 31892);
static_assert(offsetof(ClientRecord, recordSize) == 36);
static_assert(offsetof(ClientRecord, multiSite) == 48);
static_assert(offsetof(ClientRecord, businessName) == 56);
static_assert(offsetof(ClientRecord, address1) == 117);
static_assert(offsetof(ClientRecord, address2) == 178);
static_assert(offsetof(ClientRecord, city) == 239);
static_assert(offsetof(ClientRecord, zipCode) == 280);
static_assert(offsetof(ClientRecord, phone) == 287);
static_assert(offsetof(ClientRecord, ibtNumber) == 303);
static_assert(offsetof(ClientRecord, kobNumber) == 316);
static_assert(offsetof(ClientRecord, locationCode) == 323);
static_assert(offsetof(ClientRecord, transmittalDiffers) == 336);
static_assert(offsetof(ClientRecord, transmittalAddress1) == 340);
static_assert(offsetof(ClientRecord, transmittalAddress2) == 401);
static_assert(offsetof(ClientRecord, transmittalCity) == 462);
static_assert(offsetof(ClientRecord, transmittalZip) == 503);
static_assert(offsetof(ClientRecord, filesST14) == 512);
static_assert(offsetof(ClientRecord, taxRecord) == 524);
static_assert(offsetof(ClientRecord, motorFuel) == 688);
static_assert(offsetof(ClientRecord, deductionGroup1) == 716);
static_assert(offsetof(ClientRecord, locationCount) == 728);
static_assert(offsetof(ClientRecord, locations) == 732);
static_assert(offsetof(ClientRecord, reserved1) == 31292);
static_assert(offsetof(ClientRecord, email) == 31296);
static_assert(offsetof(ClientRecord, reserved2) == 31346);

// Version 1 of the record: 15 shorter location slots. Read and upgraded, never written.
struct ClientLocationV1 {
    char head[472]; // the ClientLocation layout of bytes 0-471
    char reserved[36];
};
static_assert(sizeof(ClientLocationV1) == 508);

struct ClientRecordV1 {
    char head[732]; // the ClientRecord layout of bytes 0-731
    ClientLocationV1 locations[15];
    std::int32_t reserved1;
    char email[50];
    char reserved2[418];
};
static_assert(sizeof(ClientRecordV1) == 8824);
static_assert(offsetof(ClientRecordV1, reserved1) == 8352);
static_assert(offsetof(ClientRecordV1, email) == 8356);

inline constexpr std::int32_t kClientRecordSize = sizeof(ClientRecord);
inline constexpr std::int32_t kClientRecordV1Size = sizeof(ClientRecordV1);
// Early version 1 files hold only the first 3744 bytes of the image.
inline constexpr std::int32_t kClientRecordV1ShortSize = 3744;

// A loaded client: the record and the full path of its file (not stored in the file).
struct ClientInfo {
    ClientRecord record;
    QString path;

    ClientInfo();
};

// All zero but the signature, the size and both version fields.
void initClientRecord(ClientRecord& record);
// Fills `record` (prepared by initClientRecord) from a version 1 image.
void upgradeClientRecord(const ClientRecordV1& old, ClientRecord& record);

// The name the client is known and listed by: the business name of a single-site client, the
// name of the primary location of a multi-site one.
QString clientName(const ClientRecord& record);
