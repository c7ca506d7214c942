#pragma once

#include "clients/ClientRecord.h"

#include <memory>
#include <vector>

// What the client wizard's steps hold until Finish. The steps store their answers into a
// draft record laid out like the client record; the business step and the locations step each
// keep an e-mail address of their own, and the locations step its list of sites.
struct ClientAnswers {
    ClientAnswers();

    std::unique_ptr<ClientRecord> draft;
    char businessEmail[50] = {};
    char locationsEmail[50] = {};
    std::vector<ClientLocation> locations;

    bool isMultiSite() const { return draft->multiSite == 1; }

    // The answers of an existing client, for the wizard in modify mode.
    static ClientAnswers of(const ClientRecord& record);
};

// A new client from the answers: `record` is made fresh and filled. A single-site client gets
// no location slots and the business step's e-mail address.
void fillNewClient(const ClientAnswers& answers, ClientRecord& record);

// Writes the answers back into an existing client. The locations and the locations' e-mail
// address replace the stored ones only for a multi-site client; a single-site client keeps its
// old location slots. The calculation method is kept.
void applyAnswers(const ClientAnswers& answers, ClientRecord& record);
