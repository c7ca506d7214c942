#pragma once

#include "clients/ClientRecord.h"

#include <QString>
#include <memory>
#include <vector>

// The loaded clients, as the client list shows them: one row per client, kept in ascending
// order of the client name (letters compared without regard to case first). Each row owns a
// copy of its ClientInfo.
class ClientList {
public:
    // Adds a copy of the client at its sorted place and returns the row; -1 (and nothing
    // added) when the client has no name.
    int add(const ClientInfo& client);
    void removeAt(int row);
    void clear() { rows_.clear(); }
    // Replaces the list with freshly loaded clients.
    void reset(std::vector<std::unique_ptr<ClientInfo>> clients);

    int size() const { return static_cast<int>(rows_.size()); }
    const ClientInfo& at(int row) const { return *rows_[static_cast<std::size_t>(row)].client; }
    ClientInfo& at(int row) { return *rows_[static_cast<std::size_t>(row)].client; }
    const QString& nameAt(int row) const { return rows_[static_cast<std::size_t>(row)].name; }

    // Exact, case-sensitive comparisons with the shown names.
    bool nameExists(const QString& name) const { return find(name) >= 0; }
    int find(const QString& name) const;
    ClientInfo* findClient(const QString& name);

private:
    struct Row {
        QString name;
        std::unique_ptr<ClientInfo> client;
    };
    int insert(std::unique_ptr<ClientInfo> client);
    std::vector<Row> rows_;
};
