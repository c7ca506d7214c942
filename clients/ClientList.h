#pragma once

#include "clients/ClientSummary.h"

#include <QString>
#include <vector>

// The loaded clients, as the client list shows them: one row per client, kept in ascending
// order of the client name (letters compared without regard to case first). Each row keeps the
// summary of its client (what the row shows and the client file); the whole record is read
// from the file when a command opens the client.
class ClientList {
public:
    // Adds a row for the client at its sorted place and returns the row; -1 (and nothing
    // added) when the client has no name.
    int add(const ClientInfo& client);
    // Puts the changed client into its row, which keeps its place (its name is unchanged).
    void replace(int row, const ClientInfo& client);
    void removeAt(int row);
    void clear() { rows_.clear(); }
    // Replaces the list with freshly loaded clients; those without a name are left out.
    void reset(std::vector<ClientSummary> clients);

    int size() const { return static_cast<int>(rows_.size()); }
    const ClientSummary& at(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    const QString& nameAt(int row) const { return at(row).name; }

    // Exact, case-sensitive comparisons with the shown names.
    bool nameExists(const QString& name) const { return find(name) >= 0; }
    int find(const QString& name) const;

private:
    std::vector<ClientSummary> rows_;
};
