#include "update/VerifiedArchive.h"

#include "update/UpdateArchive.h"

#include <QDir>
#include <QFile>

namespace {
constexpr char kArchiveName[] = "VANTROUP.ZIP";
} // namespace

namespace VerifiedArchive {

bool extract(const QByteArray& checkedBytes, const QString& workFolder, const QString& folder) {
    QFile archive(QDir(workFolder).filePath(QLatin1String(kArchiveName)));
    if (workFolder.isEmpty() || !archive.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool written = archive.write(checkedBytes) == checkedBytes.size() && archive.flush();
    archive.close();
    const bool extracted = written && UpdateArchive::extractSafely(archive.fileName(), folder);
    archive.remove();
    return extracted;
}

} // namespace VerifiedArchive
