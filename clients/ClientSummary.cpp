#include "clients/ClientSummary.h"

#include "platform/FixedText.h"

ClientSummary ClientSummary::of(const ClientInfo& client) {
    const ClientRecord& record = client.record;
    const bool multiSite = record.multiSite == 1;
    return {clientName(record),
            FixedText::get(multiSite ? record.locations[0].phone : record.phone),
            FixedText::get(record.ibtNumber), multiSite, client.path};
}
