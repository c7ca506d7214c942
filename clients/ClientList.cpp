#include "clients/ClientList.h"

#include <algorithm>

namespace {
bool sortsBefore(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}
} // namespace

int ClientList::insert(std::unique_ptr<ClientInfo> client) {
    QString name = clientName(client->record);
    if (name.isEmpty())
        return -1;
    const auto place = std::upper_bound(
        rows_.begin(), rows_.end(), name,
        [](const QString& value, const Row& row) { return sortsBefore(value, row.name); });
    const auto inserted = rows_.insert(place, Row{std::move(name), std::move(client)});
    return static_cast<int>(inserted - rows_.begin());
}

int ClientList::add(const ClientInfo& client) {
    return insert(std::make_unique<ClientInfo>(client));
}

void ClientList::removeAt(int row) {
    if (row >= 0 && row < size())
        rows_.erase(rows_.begin() + row);
}

void ClientList::reset(std::vector<std::unique_ptr<ClientInfo>> clients) {
    rows_.clear();
    for (auto& client : clients)
        insert(std::move(client));
}

int ClientList::find(const QString& name) const {
    for (int row = 0; row < size(); ++row) {
        if (nameAt(row) == name)
            return row;
    }
    return -1;
}

ClientInfo* ClientList::findClient(const QString& name) {
    const int row = find(name);
    return row >= 0 ? &at(row) : nullptr;
}
