#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The one unpacker of zip archives that come from outside: the pages of a history entry and
// the update archive. Every entry is checked before anything is written, and an archive that
// fails a check is refused whole:
// - it has entries, no more than the limit, and what they state to unpack to stays within it;
// - every name is a safe relative name (SafeRelativeName), no two entries land on the same
//   file (letter case does not tell files apart on Windows), no file is also a folder;
// - no entry is a link or another special file, or encrypted.
// Files are created anew, never written through a file or link already in their place, and
// no entry may inflate to more or fewer bytes than it states or fail its checksum. When an
// entry fails while unpacking, whatever this call wrote is removed again.
namespace SafeUnzip {

struct Limits {
    qsizetype maxEntries = 4096;
    qint64 maxTotalBytes = qint64(256) << 20;
};

enum class Layout {
    // Every file straight into the target folder under the last part of its name; an archive
    // with folder entries is refused.
    Flat,
    // Every file at its name's path below the target folder, with the folders it names; a
    // file keeps the read, write and execute bits it was packed with on a Unix system.
    KeepFolders,
};

// Unpacks the archive held in `archive` into `targetFolder` (created when missing, never
// through a link) and gives the paths of the files written, in archive order.
std::optional<QStringList> unpack(const QByteArray& archive, const QString& targetFolder,
                                  Layout layout, const Limits& limits = {});

} // namespace SafeUnzip
