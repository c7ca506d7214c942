#include "clients/ClientRecord.h"

#include "platform/FixedText.h"

#include <cstring>

namespace {
// Copies `length` bytes at `offset` from one record image to the same offset of another.
void copyBytes(const void* from, void* to, std::size_t offset, std::size_t length) {
    std::memcpy(static_cast<char*>(to) + offset, static_cast<const char*>(from) + offset, length);
}
} // namespace

ClientInfo::ClientInfo() {
    initClientRecord(record);
}

void initClientRecord(ClientRecord& record) {
    std::memset(&record, 0, sizeof(record));
    std::memcpy(record.signature, kClientSignature, sizeof(kClientSignature));
    record.recordSize = kClientRecordSize;
    record.version = 2;
    record.versionCopy = 2;
}

void upgradeClientRecord(const ClientRecordV1& old, ClientRecord& record) {
    // The fields from multiSite through locationCount, same offsets; the two filler pairs
    // at 510 and 686 stay zero.
    copyBytes(&old, &record, offsetof(ClientRecord, multiSite),
              offsetof(ClientRecord, filler1) - offsetof(ClientRecord, multiSite));
    copyBytes(&old, &record, offsetof(ClientRecord, filesST14),
              offsetof(ClientRecord, filler2) - offsetof(ClientRecord, filesST14));
    copyBytes(&old, &record, offsetof(ClientRecord, motorFuel),
              offsetof(ClientRecord, locations) - offsetof(ClientRecord, motorFuel));
    for (int i = 0; i < 15; ++i) {
        // Bytes 0-471 of a version 1 slot have the version 2 layout; its fillers stay zero.
        const void* from = old.locations[i].head;
        void* to = &record.locations[i];
        copyBytes(from, to, 0, offsetof(ClientLocation, filler1));
        copyBytes(from, to, offsetof(ClientLocation, motorFuel),
                  offsetof(ClientLocation, filler2) - offsetof(ClientLocation, motorFuel));
    }
    record.reserved1 = old.reserved1;
    std::memcpy(record.email, old.email, sizeof(record.email));
}

QString clientName(const ClientRecord& record) {
    return record.multiSite == 1 ? FixedText::get(record.locations[0].name)
                                 : FixedText::get(record.businessName);
}
