#pragma once

#include "clients/ClientRecord.h"
#include "clients/ClientSummary.h"

#include <QString>
#include <vector>

class TaxTable;

// The client store is the client data folder: one .kvr file per client, no index. The folder
// text always ends with '/'.
namespace ClientStore {

// "<folder>Vtb<number, at least five digits>.kvr".
QString clientFileName(const QString& folder, int number);

// Hands out the next unused client file name. The counter "Client Count" in section
// "Private Data" only grows; a name already taken in the folder is skipped. A stored counter
// outside 0 .. 99,999,998 is read as 0.
// The name is claimed by creating its file, empty, exclusively: another program sharing the
// folder (whose counter may hand out the same number) finds the file and takes the next
// number, so no save ever replaces another client's file. The claimed file becomes the
// client's file when it is saved; releaseClientFileName gives up a name left unused. A folder
// that cannot take the file (a missing folder) gives the name unclaimed, and the save fails.
QString newClientFileName(const QString& folder);
// Removes the claimed file of a name that was never saved (it is still empty).
void releaseClientFileName(const QString& path);

// Writes the client to `path`, or to a new name when `path` is empty. On success the client
// takes the path; a failure returns the write's result and leaves the client's path alone (a
// new name is released again, its number stays used up).
int saveClient(ClientInfo& client, const QString& path, const QString& folder);

// Overwrites the stored tax table lines of the client (of each used location for a multi-site
// client) with the current table's lines; codes no longer in the table keep their old line.
void refreshTaxRecords(ClientRecord& record, const TaxTable& table);

// Reads every client file of the folder and keeps what the client list shows of each.
// Unreadable files and clients without a name are left out; a missing folder gives an empty
// list.
std::vector<ClientSummary> loadClients(const QString& folder);

// Reads the whole, current record of a listed client from its file, with its tax table lines
// refreshed from the current table, into `client` (record and path). Returns the result of
// readClientFile; on a failure `client` is left as it was.
int openClient(const QString& path, const TaxTable& table, ClientInfo& client);
// What the preparer is told when a listed client's file can no longer be read.
QString openFailureText(const QString& path);

// The deleted-client copy of a client file: the last three characters become "del".
QString deletedCopyName(const QString& path);

// Keeps a ".del" copy of the client file at `path` (an older copy of that name is kept instead)
// and removes the file. A client that was never saved (no path) has nothing to delete. Returns
// why the file could not be removed, or an empty text when it is gone.
QString deleteClientFile(const QString& path);

} // namespace ClientStore
