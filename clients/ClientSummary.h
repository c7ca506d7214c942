#pragma once

#include "clients/ClientRecord.h"

#include <QString>

// What the client list keeps of a client: the texts its row shows and where the client's file
// is. A few hundred bytes instead of the whole 31892-byte record, so the list of ten thousand
// clients stays small; a command that works on the client reads its whole, current record
// from the file when it starts (ClientStore::openClient).
struct ClientSummary {
    QString name;  // the name the client is listed by (clientName)
    QString phone; // the primary location's for a multi-site client
    QString ibtNumber;
    bool multiSite = false;
    QString path; // the client file

    static ClientSummary of(const ClientInfo& client);
};
