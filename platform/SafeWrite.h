#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Crash-safe replacement of a file's content: the bytes are written to a new file beside the
// target and renamed over it only when all of them are on disk, so a failed write, a full disk
// or a killed process leaves the previous file as it was.
namespace SafeWrite {
// Replaces the content of `path` with `bytes`. None on success, else the system's error text.
std::optional<QString> replace(const QString& path, QByteArrayView bytes);
} // namespace SafeWrite
