#pragma once

#include "support/TestZip.h"
#include "support/UpdateTestServer.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Signed update archives for the update tests, as a release would publish them: the program
// files and, at the archive's root, their manifest.
namespace TestUpdates {
// The manifest text listing every entry with the SHA-256 of its bytes.
QByteArray manifestFor(const std::vector<TestZip::Entry>& files, const QString& version);
// The bytes of a zip archive of the entries.
QByteArray zipped(const std::vector<TestZip::Entry>& entries);
// The archive of the files with their manifest for `version`.
QByteArray release(const std::vector<TestZip::Entry>& files, const QString& version);
// Serves the archive and its signature by `secretKey` as the update's files.
void publish(const UpdateTestServer& server, const QByteArray& archive,
             const QByteArray& secretKey);
} // namespace TestUpdates
