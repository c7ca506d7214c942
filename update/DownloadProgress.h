#pragma once

#include <QString>
#include <QtGlobal>

// The texts and the bar position shown while the update archive downloads.
namespace DownloadProgress {
// The count in the largest unit of "Byte", "KB", "MB", "GB", "TB" that keeps it above 1024
// when divided, with one decimal: 512 gives "512.0 Byte", 1024 "1024.0 Byte", 1536 "1.5 KB".
QString formatByteCount(quint64 count);
// "Downloaded 1.5 KB of 3.0 MB", or "Downloaded 1.5 KB (total size unknown)" when the server
// sent no length (total 0).
QString text(quint64 received, quint64 total);
// received x 100 / total, truncated, at most 100; 0 when the total is unknown.
int percent(quint64 received, quint64 total);
} // namespace DownloadProgress
