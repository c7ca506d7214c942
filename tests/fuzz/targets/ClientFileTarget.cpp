#include "clients/ClientFile.h"
#include "clients/ClientRecord.h"
#include "targets/FuzzEntries.h"
#include "targets/FuzzScratchFile.h"

#include <memory>

void FuzzEntries::clientFile(const QByteArray& input) {
    auto client = std::make_unique<ClientInfo>();
    if (readClientFile(FuzzScratchFile::write(QStringLiteral("client.kvr"), input), *client) !=
        kClientFileOk)
        return;
    clientName(client->record);
    writeClientFile(*client, FuzzScratchFile::path(QStringLiteral("written.kvr")));
}
