#include "clients/clientwizard/ClientWizardCommands.h"

#include "clients/ClientFile.h"
#include "clients/ClientList.h"
#include "clients/ClientStore.h"
#include "clients/clientwizard/ClientWizard.h"
#include "clients/clientwizard/ClientWizardState.h"
#include "ui/MessageBoxes.h"

namespace {
bool runWizard(QWidget* parent, ClientWizardState& state) {
    ClientWizard wizard(state, parent);
    return wizard.exec() == CWizardDialog::kFinished;
}

// Puts the changed client into its row. A changed name moves the row to its sorted place.
int updateRow(ClientList& clients, int row, const ClientInfo& changed) {
    if (clientName(changed.record) == clients.nameAt(row)) {
        clients.at(row) = changed;
        return row;
    }
    clients.removeAt(row);
    return clients.add(changed);
}
} // namespace

int runNewClientWizard(QWidget* parent, ClientWizardContext& context) {
    const QString path = ClientStore::newClientFileName(context.clientDataFolder);
    ClientWizardState state{ClientWizardMode::New, context.taxTable, context.clients, path, {}, {}};
    if (!runWizard(parent, state))
        return -1;
    auto client = std::make_unique<ClientInfo>();
    fillNewClient(state.answers, client->record);
    if (ClientStore::saveClient(*client, path, context.clientDataFolder) != kClientFileOk) {
        MessageBoxes::current().inform(
            parent, QStringLiteral("An Error occurred while trying to create a new client"),
            MessageIcon::Stop);
        return -1;
    }
    return context.clients.add(*client);
}

int runModifyClientWizard(QWidget* parent, ClientWizardContext& context, int row) {
    if (row < 0) {
        MessageBoxes::current().inform(parent,
                                       QStringLiteral("Please select a client from the list"),
                                       MessageIcon::Information);
        return -1;
    }
    if (row >= context.clients.size())
        return -1;
    const ClientInfo& listed = context.clients.at(row);
    ClientWizardState state{ClientWizardMode::Modify,
                            context.taxTable,
                            context.clients,
                            listed.path,
                            ClientAnswers::of(listed.record),
                            {}};
    if (!runWizard(parent, state))
        return -1;
    auto changed = std::make_unique<ClientInfo>(listed);
    applyAnswers(state.answers, changed->record);
    if (writeClientFile(*changed, changed->path) != kClientFileOk) {
        MessageBoxes::current().inform(
            parent,
            QStringLiteral("An Error occurred while trying to save the changes of this client"),
            MessageIcon::Stop);
        return -1;
    }
    return updateRow(context.clients, row, *changed);
}
