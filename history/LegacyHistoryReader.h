#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// How many leading bytes tell an older history file: the 40-byte header text and the magic.
inline constexpr int kLegacyHeaderBytes = 44;

// Whether the file starts like an older history file: "Vantrobe Retrurn History Database"
// with its terminating zero, and the magic number 0xdae37528 at byte 40 in either byte order.
bool isLegacyHistoryHeader(const QByteArray& head);

// One stored return of an older history file.
struct LegacyHistoryRow {
    qint64 returnIndex = 0;
    QString texts[6];      // ReturnDate ... ST1PaymentDue
    QByteArray returnData; // the page archive as the file keeps it: encoded text
};

// Every return of an older history file, in ReturnIndex order, found through the schema
// table; nothing when the file is not such a file, has no return table or cannot be read in
// full (every page, cell and overflow chain is checked, never trusted). A file whose pages are
// reached twice, or that would read back more than twice its own size, is refused too: what
// comes back is never much larger than the file.
std::optional<std::vector<LegacyHistoryRow>> readLegacyHistory(const QByteArray& file);
