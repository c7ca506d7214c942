#pragma once

#include <QString>
#include <optional>

// Decides whether the drive of the client data folder is running out of space.
namespace DiskSpaceCheck {
inline constexpr qint64 kMinimumFreeBytes = 10485760; // 10 MB

// The warning text when fewer than 10 MB are free to the user on the folder's drive; nothing
// when there is enough space or the folder cannot be queried (it does not exist, say).
std::optional<QString> warning(const QString& clientDataFolder);
// The same rule for a known amount of free space, for callers that already measured it.
std::optional<QString> warningFor(qint64 freeBytes, const QString& clientDataFolder);
} // namespace DiskSpaceCheck
