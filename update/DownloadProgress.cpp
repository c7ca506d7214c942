#include "update/DownloadProgress.h"

#include <algorithm>

namespace DownloadProgress {

QString formatByteCount(quint64 count) {
    static const char* const units[] = {"Byte", "KB", "MB", "GB", "TB"};
    double value = static_cast<double>(count);
    int unit = 0;
    while (value > 1024 && unit + 1 < int(std::size(units))) {
        value /= 1024;
        ++unit;
    }
    return QString::asprintf("%.1f %s", value, units[unit]);
}

QString text(quint64 received, quint64 total) {
    if (total == 0)
        return QStringLiteral("Downloaded %1 (total size unknown)").arg(formatByteCount(received));
    return QStringLiteral("Downloaded %1 of %2")
        .arg(formatByteCount(received), formatByteCount(total));
}

int percent(quint64 received, quint64 total) {
    if (total == 0)
        return 0;
    return static_cast<int>(
        std::min<quint64>(100, received / total * 100 + received % total * 100 / total));
}

} // namespace DownloadProgress
