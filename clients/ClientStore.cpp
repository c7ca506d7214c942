#include "clients/ClientStore.h"

#include "clients/ClientFile.h"
#include "platform/FixedText.h"
#include "settings/SettingsBinder.h"
#include "taxtables/TaxTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kCounterSection = QStringLiteral("Private Data");
const QString kCounterKey = QStringLiteral("Client Count");
// The largest counter that still leaves a next number; a stored value outside 0 .. this (a
// damaged or hand-edited setting) counts from 0 again.
constexpr int kLargestCounter = 99'999'998;

int storedCounter() {
    const int count = SettingsStore::readInt(kCounterSection, kCounterKey, 0);
    return count < 0 || count > kLargestCounter ? 0 : count;
}

enum class Claim { Claimed, Taken, Unavailable };

// Creates the file, empty, only when nothing (no file, folder or link) has its name yet.
Claim claimName(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Claim::Claimed;
    const QFileInfo existing(path);
    return existing.exists() || existing.isSymLink() ? Claim::Taken : Claim::Unavailable;
}
} // namespace

QString ClientStore::clientFileName(const QString& folder, int number) {
    return folder + QStringLiteral("Vtb") +
           QStringLiteral("%1").arg(number, 5, 10, QLatin1Char('0')) + QStringLiteral(".kvr");
}

QString ClientStore::newClientFileName(const QString& folder) {
    int number = storedCounter() + 1;
    while (claimName(clientFileName(folder, number)) == Claim::Taken)
        ++number;
    SettingsStore::writeInt(kCounterSection, kCounterKey, number);
    return clientFileName(folder, number);
}

void ClientStore::releaseClientFileName(const QString& path) {
    const QFileInfo file(path);
    if (file.isFile() && !file.isSymLink() && file.size() == 0)
        QFile::remove(path);
}

int ClientStore::saveClient(ClientInfo& client, const QString& path, const QString& folder) {
    const QString target = path.isEmpty() ? newClientFileName(folder) : path;
    const int result = writeClientFile(client, target);
    if (result == kClientFileOk)
        client.path = target;
    else if (path.isEmpty())
        releaseClientFileName(target);
    return result;
}

void ClientStore::refreshTaxRecords(ClientRecord& record, const TaxTable& table) {
    if (record.multiSite == 1) {
        const int used = std::clamp(record.locationCount, 0, kMaxLocations);
        for (int i = 0; i < used; ++i) {
            ClientLocation& location = record.locations[i];
            table.lookup(FixedText::view(location.locationCode), location.taxRecord);
        }
    } else {
        table.lookup(FixedText::view(record.locationCode), record.taxRecord);
    }
}

std::vector<std::unique_ptr<ClientInfo>> ClientStore::loadClients(const QString& folder,
                                                                  const TaxTable& table) {
    std::vector<std::unique_ptr<ClientInfo>> clients;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.kvr")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        auto client = std::make_unique<ClientInfo>();
        client->path = folder + name;
        if (readClientFile(client->path, *client) != kClientFileOk)
            continue;
        refreshTaxRecords(client->record, table);
        if (clientName(client->record).isEmpty())
            continue;
        clients.push_back(std::move(client));
    }
    return clients;
}

QString ClientStore::deletedCopyName(const QString& path) {
    return path.chopped(3) + "del";
}

QString ClientStore::deleteClientFile(const ClientInfo& client) {
    if (client.path.isEmpty())
        return {};
    const QString copy = deletedCopyName(client.path);
    if (!QFileInfo::exists(copy))
        QFile::copy(client.path, copy);
    QFile file(client.path);
    if (file.remove() || !QFileInfo::exists(client.path))
        return {};
    return file.errorString();
}
