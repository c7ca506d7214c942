#include "support/TestUpdates.h"

#include "support/TestFiles.h"
#include "update/UpdateFileNames.h"
#include "update/UpdateManifest.h"
#include "update/UpdateSignature.h"

#include <QCryptographicHash>
#include <QTemporaryDir>

namespace TestUpdates {

QByteArray manifestFor(const std::vector<TestZip::Entry>& files, const QString& version) {
    UpdateManifest manifest{version, {}};
    for (const TestZip::Entry& file : files)
        manifest.files.push_back(
            {file.name, QCryptographicHash::hash(file.bytes, QCryptographicHash::Sha256)});
    return manifest.text();
}

QByteArray zipped(const std::vector<TestZip::Entry>& entries) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("archive.zip"));
    TestZip::write(path, entries);
    return TestFiles::readAll(path);
}

QByteArray release(const std::vector<TestZip::Entry>& files, const QString& version) {
    std::vector<TestZip::Entry> entries = files;
    entries.push_back({QLatin1String(UpdateFileNames::kManifest), manifestFor(files, version)});
    return zipped(entries);
}

void publish(const UpdateTestServer& server, const QByteArray& archive,
             const QByteArray& secretKey) {
    server.putFile(QStringLiteral("Update/VantroUp.zip"), archive);
    server.putFile(QStringLiteral("Update/VantroUp.zip.sig"),
                   UpdateSignature::sign(archive, secretKey));
}

} // namespace TestUpdates
