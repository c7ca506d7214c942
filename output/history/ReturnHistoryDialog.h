#pragma once

#include "clients/ClientRecord.h"
#include "forms/PageEntry.h"

#include <QDialog>

class HistoryDatabase;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Return History": the returns stored in one client's history, each shown again in the
// preview ("View Return", or a double click) or deleted ("Delete Return"). The pages of the
// last viewed return stay unpacked until the next View or the dialog's end.
class CReturnHistoryDialog : public QDialog {
    Q_OBJECT
public:
    // `database` is open and stays so while the dialog lives.
    CReturnHistoryDialog(HistoryDatabase& database, const ClientInfo& client,
                         QWidget* parent = nullptr);
    ~CReturnHistoryDialog() override;

    QTreeWidget* list() const { return list_; }

public slots:
    void viewReturn();
    void deleteReturn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillList();
    // The selected row, or nullptr (with the message) when none is selected.
    QTreeWidgetItem* selectedRow();
    static int returnIndexOf(const QTreeWidgetItem* row);
    // The archive's path for a view: "<temporary folder>/<client name>-<date>.zip", or an empty
    // text when the client's name cannot stand in a file name.
    QString archivePath(const QString& returnDate) const;
    void removeExtractedPages();

    HistoryDatabase& database_;
    ClientInfo client_;
    QTreeWidget* list_;
    QString extractedFolder_;
    PageList extractedPages_;
};

// The client list's "Return History": opens the client's history file and runs the dialog, or
// says that the client has no history or that it cannot be opened.
void showReturnHistory(QWidget* parent, const ClientInfo& client);
