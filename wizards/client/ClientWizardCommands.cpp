#include "wizards/client/ClientWizardCommands.h"

#include "clients/ClientDataFolder.h"
#include "clients/ClientFile.h"
#include "clients/ClientList.h"
#include "clients/ClientStore.h"
#include "ui/MessageBoxes.h"
#include "wizards/client/ClientWizard.h"
#include "wizards/client/ClientWizardState.h"

#include <QFileInfo>
#include <functional>
#include <memory>

namespace {
// Runs the wizard; `save` is its Finish: a failed save keeps the wizard open.
bool runWizard(QWidget* parent, ClientWizardState& state, const std::function<bool()>& save) {
    ClientWizard wizard(state, parent);
    wizard.setFinishAction(save);
    return wizard.exec() == CWizardDialog::kFinished;
}

// A failed client file write: the fixed text, then what is wrong with the folder (or the file
// name when the folder looks fine).
void reportSaveFailure(QWidget* parent, const QString& text, const QString& path) {
    const QString folder = QFileInfo(path).path() + u'/';
    QString cause = ClientDataFolder::problemText(folder);
    if (cause.isEmpty())
        cause = QStringLiteral("The file \"%1\" could not be written.").arg(path);
    MessageBoxes::current().inform(parent, text + QStringLiteral("\n\n") + cause,
                                   MessageIcon::Stop);
}

// Puts the changed client into its row. A changed name moves the row to its sorted place.
int updateRow(ClientList& clients, int row, const ClientInfo& changed) {
    if (clientName(changed.record) == clients.nameAt(row)) {
        clients.replace(row, changed);
        return row;
    }
    clients.removeAt(row);
    return clients.add(changed);
}
} // namespace

int runNewClientWizard(QWidget* parent, ClientWizardContext& context) {
    const QString path = ClientStore::newClientFileName(context.clientDataFolder);
    ClientWizardState state{ClientWizardMode::New, context.taxTable, context.clients, path, {}, {}};
    auto client = std::make_unique<ClientInfo>();
    const auto save = [&] {
        fillNewClient(state.answers, client->record);
        if (ClientStore::saveClient(*client, path, context.clientDataFolder) == kClientFileOk)
            return true;
        reportSaveFailure(
            parent, QStringLiteral("An Error occurred while trying to create a new client"), path);
        return false;
    };
    if (!runWizard(parent, state, save)) {
        ClientStore::releaseClientFileName(path);
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
    // The whole, current record from the client's file.
    auto opened = std::make_unique<ClientInfo>();
    const QString& path = context.clients.at(row).path;
    if (ClientStore::openClient(path, context.taxTable, *opened) != kClientFileOk) {
        MessageBoxes::current().inform(parent, ClientStore::openFailureText(path),
                                       MessageIcon::Stop);
        return -1;
    }
    const ClientInfo& listed = *opened;
    ClientWizardState state{ClientWizardMode::Modify,
                            context.taxTable,
                            context.clients,
                            listed.path,
                            ClientAnswers::of(listed.record),
                            {}};
    auto changed = std::make_unique<ClientInfo>(listed);
    const auto save = [&] {
        *changed = listed;
        applyAnswers(state.answers, changed->record);
        if (writeClientFile(*changed, changed->path) == kClientFileOk)
            return true;
        reportSaveFailure(
            parent,
            QStringLiteral("An Error occurred while trying to save the changes of this client"),
            changed->path);
        return false;
    };
    if (!runWizard(parent, state, save))
        return -1;
    return updateRow(context.clients, row, *changed);
}
