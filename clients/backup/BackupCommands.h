#pragma once

#include <QString>

class ClientList;
class QWidget;

// Tools "Backup Client Data...": asks for a client and a backup file and copies the client's
// file there. The backup file is proposed in the documents folder, or in the client data
// folder when there is no documents folder.
void backupClientCommand(QWidget* parent, const ClientList& clients,
                         const QString& clientDataFolder);
// Copies the listed client `name` to `target` and tells the preparer how it went. An empty
// name does nothing.
void backupClient(QWidget* parent, const ClientList& clients, const QString& name,
                  const QString& target);

// Tools "Restore Client Data...": asks for a backed-up client file and restores it into the
// client data folder. Returns the restored client's row, or -1.
int restoreClientCommand(QWidget* parent, ClientList& clients, const QString& clientDataFolder);
// Restores the client file at `path`, asking before it replaces a listed client and showing
// the messages. Returns the restored client's row, or -1.
int restoreClientFrom(QWidget* parent, ClientList& clients, const QString& clientDataFolder,
                      const QString& path);
