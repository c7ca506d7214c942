#pragma once

#include "clients/ClientList.h"
#include "returns/inputs/StoredInputs.h"
#include "wizards/return/ReturnWizardSettings.h"

#include <QWidget>
#include <functional>
#include <memory>

class PictureButton;
class QTreeWidget;
class QTreeWidgetItem;
class TaxTable;
class ViewportHint;

// The main working screen: five buttons above the list of all clients, kept in order of the
// client name. Every client command starts here; the main window's File menu leads to the same
// handlers.
class CClientsView : public QWidget {
    Q_OBJECT
public:
    explicit CClientsView(const TaxTable& table, QWidget* parent = nullptr);

    // Empties the list and reads every client file of `folder` into it.
    void loadClients(const QString& folder);
    // Adds a row for the client at its sorted place (a client without a name is not listed).
    void addClient(const ClientInfo& client);
    void removeAllClients();

    int clientCount() const { return clients_.size(); }
    bool hasSelection() const { return selectedRow() >= 0; }
    int selectedRow() const;
    // What the list keeps of the selected client; none without a selection.
    const ClientSummary* selectedClient() const;
    bool clientNameExists(const QString& name) const { return clients_.nameExists(name); }
    int findClient(const QString& name) const { return clients_.find(name); }
    // The listed clients and the folder they were read from, for the commands that change
    // them (backup and restore); call showClients() after a change.
    ClientList& clients() { return clients_; }
    const QString& clientDataFolder() const { return folder_; }
    // Shows the list's rows anew and selects `row` (none when -1).
    void showClients(int row);
    // Where "New Return" takes the settings a return reads (the main window's options and the
    // preparer's details); without it a return uses the defaults.
    void setReturnSettings(std::function<ReturnWizardSettings()> source) {
        returnSettings_ = std::move(source);
    }

public slots:
    // The client wizard connects here: a new client, or the selected one to modify.
    void newClient();
    void modifyClient();
    void deleteClient();
    void newReturn();
    // "Save Import Template" for the selected client.
    void saveImportTemplate();
    // Selects the client of the client file `clientPath` and starts its new return.
    void newReturnFor(const QString& clientPath);
    void returnHistory();

signals:
    void selectionChanged();
    void clientCountChanged();
    // A return wizard or the return history of the client file `clientPath` has closed (a
    // return may have been stored in its history or deleted from it).
    void historyMayHaveChanged(const QString& clientPath);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void insertRow(int row);
    void takeKeyboardBack();
    std::optional<StoredInputs> lastStoredInputs(const ClientInfo& client);
    bool requireSelection(const QString& message);
    std::unique_ptr<ClientInfo> openSelectedClient(const QString& failure);
    void layOutList();
    void showEmptyHint();

    const TaxTable& table_;
    ClientList clients_;
    QString folder_;
    PictureButton* newClientButton_;
    QList<PictureButton*> buttons_;
    QTreeWidget* list_;
    ViewportHint* emptyHint_;
    std::function<ReturnWizardSettings()> returnSettings_;
};
