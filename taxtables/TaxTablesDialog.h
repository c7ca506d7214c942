#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class TaxTable;
class TaxTableModel;

// "Illinois Sales Tax Tables": the whole sales tax table to look up a location code in and copy
// it. Typing in the search box narrows the list to the rows that contain the text.
class TaxTablesDialog : public QDialog {
    Q_OBJECT
public:
    explicit TaxTablesDialog(const TaxTable& table, QWidget* parent = nullptr);

    QTableView* view() const { return view_; }
    QLineEdit* searchEdit() const { return search_; }
    QLineEdit* dateEdit() const { return date_; }
    QPushButton* copyButton() const { return copy_; }

public slots:
    // Puts the location code of the selected row on the clipboard.
    void copyLocationCode();

private:
    TaxTableModel* model_;
    QSortFilterProxyModel* filter_;
    QLineEdit* search_;
    QLineEdit* date_;
    QTableView* view_;
    QPushButton* copy_;
};

// Runs the dialog modally over the loaded table.
void showTaxTablesDialog(QWidget* parent, const TaxTable& table);
