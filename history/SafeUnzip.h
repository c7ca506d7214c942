#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// How much an archive may unpack to before it is refused as a zip bomb.
struct UnzipLimits {
    qsizetype maxEntries = 4096;
    qint64 maxTotalBytes = qint64(256) << 20;
};

// Unpacks every entry of a zip archive into `targetFolder` under the last part of its name
// (folders inside names are dropped), in archive order, creating the folder as needed, and
// gives the written files' paths. Nothing is unpacked from an archive that has no entries,
// too many, too many bytes, or an entry whose name is empty, absolute, has a drive letter, a
// ".." part or a ':', is a link or repeats another's; an entry that inflates beyond its stated
// size or fails its checksum fails the whole archive and what was written is removed.
std::optional<QStringList> unzipFlat(const QString& archivePath, const QString& targetFolder,
                                     const UnzipLimits& limits = {});
