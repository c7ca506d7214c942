#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QLabel;
class TaxTableFilter;
class QTableView;
class TaxTable;
class TaxTableModel;

// "Illinois Sales Tax Tables": the whole sales tax table to look up a location code in and copy
// it. Typing in the search box narrows the list to the rows that contain the text; Enter there
// goes to the first row found. A copied code is confirmed in the status line under the list.
class TaxTablesDialog : public QDialog {
    Q_OBJECT
public:
    explicit TaxTablesDialog(const TaxTable& table, QWidget* parent = nullptr);

    QTableView* view() const { return view_; }
    QLineEdit* searchEdit() const { return search_; }
    QLineEdit* dateEdit() const { return date_; }
    QPushButton* copyButton() const { return copy_; }
    QLabel* statusLine() const { return status_; }

public slots:
    // Puts the location code of the selected row on the clipboard.
    void copyLocationCode();

private:
    void goToFirstFound();

    TaxTableModel* model_;
    TaxTableFilter* filter_;
    QLineEdit* search_;
    QLineEdit* date_;
    QTableView* view_;
    QPushButton* copy_;
    QLabel* status_;
};

// Runs the dialog modally over the loaded table.
void showTaxTablesDialog(QWidget* parent, const TaxTable& table);

// "View Sales Tax Tables": a button beside location code fields that opens the dialog.
QPushButton* makeViewTaxTablesButton(const TaxTable& table, QWidget* parent = nullptr);
