#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The update archive of a release, written with minizip: each entry deflated, with its time
// and, as a Unix zip program stores them, its permission bits (so a program stays
// executable when the update unpacks it).
namespace ReleaseArchive {
struct Entry {
    QString name; // relative, '/' between folders
    QByteArray bytes;
    unsigned unixMode = 0644;
};
// False when the archive cannot be written.
bool write(const QString& path, const std::vector<Entry>& entries);
} // namespace ReleaseArchive
