#pragma once

#include <QString>
#include <functional>
#include <optional>

class ClientList;

// Backing up copies one client file, byte for byte, anywhere; restoring reads such a copy as a
// client file and stores it as a new client in the client data folder.
namespace ClientBackup {

// Copies `source` over `target`. The copy is written beside the target and renamed over it,
// so a failed backup never leaves a half-written file. Returns the system's error text on
// failure.
std::optional<QString> copyClientFile(const QString& source, const QString& target);

// The folder a backup is proposed in: the user's documents folder, created when missing, or
// `fallback` (the client data folder) when there is none or it cannot be made.
QString proposedFolder(const QString& fallback);

enum class RestoreResult {
    Restored,
    NotAClientFile, // unreadable, or not a client file of a version the program reads
    Declined,       // the client is listed and the preparer kept it
    Failed,         // the listed client could not be replaced or the copy not saved
};

struct RestoreOutcome {
    RestoreResult result;
    int row = -1; // the restored client's row when Restored
};

// Restores the client file at `path` into `folder` (ending with '/') under a new file name and
// lists it. When a client of the same name is listed, `replaceListed` is asked; on Yes the
// restored copy is saved first and only then is the listed client's file deleted (without a
// ".del" copy) and its row removed, so a failed save loses nothing.
RestoreOutcome restoreClient(const QString& path, ClientList& clients, const QString& folder,
                             const std::function<bool()>& replaceListed);

} // namespace ClientBackup
