#include "clients/ClientList.h"

#include "clients/NameOrder.h"

#include <algorithm>

namespace {
bool rowSortsBefore(const ClientSummary& a, const ClientSummary& b) {
    return sortsBefore(a.name, b.name);
}
} // namespace

int ClientList::add(const ClientInfo& client) {
    ClientSummary summary = ClientSummary::of(client);
    if (summary.name.isEmpty())
        return -1;
    // After the rows of an equal name, as if the clients had been added one by one.
    const auto place = std::upper_bound(rows_.begin(), rows_.end(), summary, rowSortsBefore);
    const auto inserted = rows_.insert(place, std::move(summary));
    return static_cast<int>(inserted - rows_.begin());
}

void ClientList::replace(int row, const ClientInfo& client) {
    if (row >= 0 && row < size())
        rows_[static_cast<std::size_t>(row)] = ClientSummary::of(client);
}

void ClientList::removeAt(int row) {
    if (row >= 0 && row < size())
        rows_.erase(rows_.begin() + row);
}

void ClientList::reset(std::vector<ClientSummary> clients) {
    std::erase_if(clients, [](const ClientSummary& client) { return client.name.isEmpty(); });
    // A stable sort keeps clients of equal names in the order they came, as adding them one
    // by one would, without moving the rows once per client.
    std::stable_sort(clients.begin(), clients.end(), rowSortsBefore);
    rows_ = std::move(clients);
}

int ClientList::find(const QString& name) const {
    for (int row = 0; row < size(); ++row) {
        if (nameAt(row) == name)
            return row;
    }
    return -1;
}
