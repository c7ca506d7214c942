#include "clients/backup/BackupCommands.h"

#include "clients/ClientList.h"
#include "clients/backup/BackupDialog.h"
#include "clients/backup/ClientBackup.h"
#include "clients/backup/ClientFileFilter.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

#include <QDir>
#include <QFileDialog>

namespace {
constexpr int kShownErrorCharacters = 199;
const QString kRestoreError = QStringLiteral("An Error occurred while trying to restore client");

QStringList clientNames(const ClientList& clients) {
    QStringList names;
    for (int row = 0; row < clients.size(); ++row)
        names.append(clients.nameAt(row));
    return names;
}
} // namespace

void backupClientCommand(QWidget* parent, const ClientList& clients,
                         const QString& clientDataFolder) {
    BackupDialog dialog(clientNames(clients), BackupDialog::defaultTargetPath(clientDataFolder),
                        parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    backupClient(parent, clients, dialog.clientName(), dialog.targetPath());
}

void backupClient(QWidget* parent, const ClientList& clients, const QString& name,
                  const QString& target) {
    std::optional<QString> error;
    {
        WaitCursor wait;
        if (name.isEmpty())
            return;
        const int row = clients.find(name);
        if (row < 0) {
            MessageBoxes::current().inform(parent, QStringLiteral("Backup failed"),
                                           MessageIcon::Stop);
            return;
        }
        error = ClientBackup::copyClientFile(clients.at(row).path, target);
    }
    if (error) {
        MessageBoxes::current().inform(parent,
                                       QStringLiteral("Backup failed:\n") +
                                           QStringLiteral("%1: %2")
                                               .arg(QDir::toNativeSeparators(target), *error)
                                               .left(kShownErrorCharacters),
                                       MessageIcon::Stop);
        return;
    }
    MessageBoxes::current().inform(parent, QStringLiteral("Client data was backup successfully"),
                                   MessageIcon::None);
}

int restoreClientCommand(QWidget* parent, ClientList& clients, const QString& clientDataFolder) {
    const QString path = QFileDialog::getOpenFileName(
        parent, QStringLiteral("Restore Client Data"),
        ClientBackup::proposedFolder(clientDataFolder), ClientFileFilter::kFilters);
    if (path.isEmpty())
        return -1;
    return restoreClientFrom(parent, clients, clientDataFolder, path);
}

int restoreClientFrom(QWidget* parent, ClientList& clients, const QString& clientDataFolder,
                      const QString& path) {
    MessageBoxes& messages = MessageBoxes::current();
    const QString shown = QDir::toNativeSeparators(path);
    const auto outcome = ClientBackup::restoreClient(path, clients, clientDataFolder, [&] {
        return messages.confirm(
            parent,
            QStringLiteral("Client already exists, would like to update his or her information?"),
            MessageIcon::Information, true);
    });
    switch (outcome.result) {
    case ClientBackup::RestoreResult::Restored:
        messages.inform(parent,
                        QStringLiteral("Client data was restored successfully from\n") + shown,
                        MessageIcon::None);
        return outcome.row;
    case ClientBackup::RestoreResult::NotAClientFile:
        messages.inform(parent,
                        QStringLiteral("Restoring client data failed:\nThe file you selected is "
                                       "either corrupted or is not a Vantrobe file\n") +
                            shown,
                        MessageIcon::Stop);
        break;
    case ClientBackup::RestoreResult::Failed:
        messages.inform(parent,
                        kRestoreError + QStringLiteral("\n%1\ninto the folder %2")
                                            .arg(shown, QDir::toNativeSeparators(clientDataFolder)),
                        MessageIcon::Stop);
        break;
    case ClientBackup::RestoreResult::Declined:
        break;
    }
    return -1;
}
