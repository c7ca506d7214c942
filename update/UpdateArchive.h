#pragma once

#include <QString>
#include <QtGlobal>

// Safe unpacking of the update archive (minizip). Every entry is checked before anything is
// written: an archive with an absolute name, a drive letter, a backslash, a ".." part or a
// link, with more entries or more bytes than the caps, or with no entry at all is refused as
// a whole. Names of files the version file lists are checked by the same rule.
namespace UpdateArchive {

struct Limits {
    int maxEntries = 10000;
    qint64 maxTotalBytes = qint64(1) << 30;
};

// True for a relative name of plain parts separated by '/': not empty, not absolute, no
// drive letter, no backslash, no "." or ".." part, no NUL.
bool isSafeRelativeName(const QString& name);

// Unpacks every entry of `archive` below `folder` (created when missing), keeping the folder
// structure of the entries and each file's time. False when the archive is refused or an
// entry cannot be read or written; a refused archive writes nothing.
bool extractSafely(const QString& archive, const QString& folder, const Limits& limits = {});

} // namespace UpdateArchive
