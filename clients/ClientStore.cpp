#include "clients/ClientStore.h"

#include "clients/ClientFile.h"
#include "clients/NameOrder.h"
#include "platform/FixedText.h"
#include "settings/SettingsStore.h"
#include "taxtables/TaxTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <memory>

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

std::vector<ClientSummary> ClientStore::loadClients(const QString& folder) {
    std::vector<ClientSummary> clients;
    // Listed unsorted and sorted here: the folder's own sorting looks at every file again and
    // takes about as long as the listing itself with thousands of clients.
    QStringList names = QDir(folder).entryList({QStringLiteral("*.kvr")},
                                               QDir::Files | QDir::Hidden, QDir::Unsorted);
    std::sort(names.begin(), names.end(), sortsBefore);
    clients.reserve(size_t(names.size()));
    // One record is read into at a time, only as far as the list shows it; only the summary
    // of each is kept. The whole record is read when the client is opened.
    auto client = std::make_unique<ClientInfo>();
    for (const QString& name : names) {
        client->path = folder + name;
        if (readClientListing(client->path, *client) != kClientFileOk)
            continue;
        ClientSummary summary = ClientSummary::of(*client);
        if (!summary.name.isEmpty())
            clients.push_back(std::move(summary));
    }
    return clients;
}

int ClientStore::openClient(const QString& path, const TaxTable& table, ClientInfo& client) {
    auto opened = std::make_unique<ClientInfo>();
    const int result = readClientFile(path, *opened);
    if (result != kClientFileOk)
        return result;
    opened->path = path;
    refreshTaxRecords(opened->record, table);
    client = *opened;
    return kClientFileOk;
}

QString ClientStore::openFailureText(const QString& path) {
    return QStringLiteral("The client file \"%1\" could not be read. It may have been moved, "
                          "changed or deleted since the list of clients was loaded.")
        .arg(QDir::toNativeSeparators(path));
}

QString ClientStore::deletedCopyName(const QString& path) {
    return path.chopped(3) + "del";
}

QString ClientStore::deleteClientFile(const QString& path) {
    if (path.isEmpty())
        return {};
    const QString copy = deletedCopyName(path);
    if (!QFileInfo::exists(copy))
        QFile::copy(path, copy);
    QFile file(path);
    if (file.remove() || !QFileInfo::exists(path))
        return {};
    return file.errorString();
}
