#pragma once

#include "clients/ClientRecord.h"

#include <QString>

// Result codes of the client file operations.
enum ClientFileResult : int {
    kClientFileOk = 0,
    kClientFileCannotOpen = -2, // cannot open or create
    kClientFileShort = -3,      // short read or write
    kClientFileForeign = -4,    // wrong signature, version or size
};

// Reads a version 2 or version 1 client file into `client.record` (version 1 is upgraded).
// The path of `client` is not touched; on any failure the record stays as it was.
int readClientFile(const QString& path, ClientInfo& client);

// The leading bytes of a record that the client list shows: the header, the business's name,
// phone and IBT number, and the first location's name and phone (a multi-site client is listed
// by its first location).
constexpr qint64 kClientListedBytes =
    qint64(offsetof(ClientRecord, locations) + offsetof(ClientLocation, locationCode));

// Reads what the client list shows of a client file, with readClientFile's checks and results:
// of a version 2 file only the first kClientListedBytes of `client.record` are read (the rest
// of the record is left as it was), of a version 1 file the whole record. On a failure those
// first bytes may have been overwritten.
int readClientListing(const QString& path, ClientInfo& client);

// Writes the record as a version 2 file of exactly 31892 bytes. The file is written beside
// the target and renamed over it, so a failure leaves the previous file as it was.
int writeClientFile(ClientInfo& client, const QString& path);
