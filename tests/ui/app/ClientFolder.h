#pragma once

#include "clients/ClientFile.h"
#include "platform/FixedText.h"

#include <QDir>
#include <QString>

// Writes small client files for the list and main window tests.
namespace ClientFolder {
struct Client {
    const char* fileName;
    const char* name;
    const char* phone = "";
    const char* ibt = "";
    bool multiSite = false;
};

inline QString write(const QString& folder, const Client& client) {
    ClientInfo info;
    ClientRecord& record = info.record;
    FixedText::set(record.ibtNumber, QString::fromUtf8(client.ibt));
    if (client.multiSite) {
        record.multiSite = 1;
        record.locationCount = 1;
        FixedText::set(record.businessName, QStringLiteral("Holding name"));
        FixedText::set(record.locations[0].name, QString::fromUtf8(client.name));
        FixedText::set(record.locations[0].phone, QString::fromUtf8(client.phone));
    } else {
        FixedText::set(record.businessName, QString::fromUtf8(client.name));
        FixedText::set(record.phone, QString::fromUtf8(client.phone));
    }
    const QString path = QDir(folder).filePath(QString::fromUtf8(client.fileName));
    writeClientFile(info, path);
    return path;
}
} // namespace ClientFolder
