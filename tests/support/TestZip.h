#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Zip archives for tests, written with minizip: any entry name (also the unsafe ones an
// attacker would use) and symbolic-link entries as a Unix zip program stores them.
namespace TestZip {
struct Entry {
    QString name;
    QByteArray bytes; // for a link: the link's target
    bool symbolicLink = false;
    unsigned unixMode = 0644;
};
// Writes the archive; fails the current test when it cannot be written.
void write(const QString& path, const std::vector<Entry>& entries);
} // namespace TestZip
