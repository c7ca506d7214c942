#include "clients/ClientFile.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>
#include <memory>

namespace {
constexpr qint64 kHeaderSize = 48;

struct ClientFileHeader {
    char signature[36];
    std::int32_t recordSize;
    std::int32_t version;
    std::int32_t versionCopy;
};
static_assert(sizeof(ClientFileHeader) == kHeaderSize);

bool readExactly(QFile& file, void* into, qint64 length) {
    return file.read(static_cast<char*>(into), length) == length;
}

// Reads a version 1 image of `size` bytes into a fresh version 1 record and upgrades it.
int readVersion1(QFile& file, std::int32_t size, ClientRecord& record) {
    if (size != kClientRecordV1Size && size != kClientRecordV1ShortSize)
        return kClientFileForeign;
    auto old = std::make_unique<ClientRecordV1>();
    std::memset(old.get(), 0, sizeof(ClientRecordV1));
    auto* header = reinterpret_cast<ClientFileHeader*>(old->head);
    std::memcpy(header->signature, kClientSignature, sizeof(kClientSignature));
    header->recordSize = kClientRecordV1Size;
    header->version = header->versionCopy = 1;
    if (!readExactly(file, old.get(), size))
        return kClientFileShort;
    upgradeClientRecord(*old, record);
    return kClientFileOk;
}

// Client files are read unbuffered: the header and the record are each read once, straight
// into place, rather than through a 16 kB buffer that the record's read passes by anyway. The
// client list reads every client file when it starts.
constexpr QIODevice::OpenMode kReadMode = QIODevice::ReadOnly | QIODevice::Unbuffered;

bool hasClientSignature(const ClientFileHeader& header) {
    return ::strncmp(header.signature, kClientSignature, sizeof(header.signature)) == 0;
}

bool isCurrentVersion(const ClientFileHeader& header) {
    return header.version == 2 && header.recordSize == kClientRecordSize;
}

// Checks the header read from an open file and reads the file's record whole into `record`,
// upgrading a version 1 record.
int readWholeRecord(QFile& file, const ClientFileHeader& header, ClientRecord& record) {
    if (!hasClientSignature(header))
        return kClientFileForeign;
    file.seek(0);
    // A version 2 record is read over the whole of `fresh`; a version 1 record fills only part
    // of it and starts from the defaults.
    auto fresh = std::make_unique_for_overwrite<ClientRecord>();
    if (header.version == 1) {
        initClientRecord(*fresh);
        const int result = readVersion1(file, header.recordSize, *fresh);
        if (result != kClientFileOk)
            return result;
    } else if (!isCurrentVersion(header)) {
        return kClientFileForeign;
    } else if (!readExactly(file, fresh.get(), kClientRecordSize)) {
        return kClientFileShort;
    }
    record = *fresh;
    return kClientFileOk;
}
} // namespace

int readClientFile(const QString& path, ClientInfo& client) {
    QFile file(path);
    if (!file.open(kReadMode))
        return kClientFileCannotOpen;
    ClientFileHeader header{};
    if (!readExactly(file, &header, kHeaderSize))
        return kClientFileShort;
    return readWholeRecord(file, header, client.record);
}

int readClientListing(const QString& path, ClientInfo& client) {
    QFile file(path);
    if (!file.open(kReadMode))
        return kClientFileCannotOpen;
    // The listed bytes start with the header: one read brings both.
    auto* listed = reinterpret_cast<char*>(&client.record);
    const qint64 read = file.read(listed, kClientListedBytes);
    if (read < kHeaderSize)
        return kClientFileShort;
    ClientFileHeader header{};
    std::memcpy(&header, listed, kHeaderSize);
    if (!hasClientSignature(header) || !isCurrentVersion(header))
        return readWholeRecord(file, header, client.record);
    // The file's size stands for the rest of the record: a file too short for the whole
    // record fails here just as its whole read would.
    if (read < kClientListedBytes || file.size() < kClientRecordSize)
        return kClientFileShort;
    return kClientFileOk;
}

int writeClientFile(ClientInfo& client, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return kClientFileCannotOpen;
    client.record.recordSize = kClientRecordSize;
    const qint64 written =
        file.write(reinterpret_cast<const char*>(&client.record), kClientRecordSize);
    if (written != kClientRecordSize || !file.commit())
        return kClientFileShort;
    return kClientFileOk;
}
