#pragma once

#include <QString>

class ClientList;
class QWidget;
class TaxTable;

// What the client wizard works with: the sales tax table its location codes are looked up in,
// the listed clients (a new client is added to them, a modified one changed in place) and the
// client data folder (ending with '/') new client files go to.
struct ClientWizardContext {
    const TaxTable& taxTable;
    ClientList& clients;
    QString clientDataFolder;
};

// "New Client ": runs the wizard and saves the new client under the file name chosen before
// the wizard opened. Returns the new client's row, or -1 when the wizard was cancelled or the
// client could not be saved (the preparer has been told).
int runNewClientWizard(QWidget* parent, ClientWizardContext& context);

// "Modify Client" on the client in `row` (-1 when no row is selected: the preparer is asked
// to select one). On Finish the client file is rewritten and the row updated; it keeps its
// place unless the client's name changed, when it moves to the name's sorted place. Returns
// the client's row afterwards, or -1 when nothing changed.
int runModifyClientWizard(QWidget* parent, ClientWizardContext& context, int row);
