#include "clients/DiskSpaceCheck.h"

#include <QFileInfo>
#include <QStorageInfo>

std::optional<QString> DiskSpaceCheck::warningFor(qint64 freeBytes,
                                                  const QString& clientDataFolder) {
    if (freeBytes >= kMinimumFreeBytes)
        return std::nullopt;
    return QStringLiteral(
               "You are running out of disk space in the drive where Vantrobe stores clients' "
               "information!\nIt's recommended that you keep at least 10MB of free space on the "
               "drive you store clients' information, or Vantrobe will stop functioning "
               "properly.\nThe path of the clients' folder is shown below:\n%1")
        .arg(clientDataFolder);
}

std::optional<QString> DiskSpaceCheck::warning(const QString& clientDataFolder) {
    if (!QFileInfo(clientDataFolder).isDir())
        return std::nullopt;
    const QStorageInfo storage(clientDataFolder);
    if (!storage.isValid() || !storage.isReady())
        return std::nullopt;
    return warningFor(storage.bytesAvailable(), clientDataFolder);
}
