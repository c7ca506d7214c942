#pragma once

#include <QByteArray>
#include <QString>

// Unpacking an update archive whose signature has been checked, from the checked bytes and
// never from the downloaded file again: the bytes go into a new file of the private work
// folder (created exclusively, so nothing planted there is followed or read) and are unpacked
// from it with the safe unpacker (UpdateArchive) into `folder`; the file is removed after.
namespace VerifiedArchive {
bool extract(const QByteArray& checkedBytes, const QString& workFolder, const QString& folder);
} // namespace VerifiedArchive
