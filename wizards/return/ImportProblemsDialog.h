#pragma once

#include "returns/import/FigureImport.h"

#include <QDialog>

class QLabel;
class QTableWidget;

// The problems that kept a file of figures from being imported, all at once: each with its
// row, its column, the value found and what was expected. "Copy List" puts them on the
// clipboard as tab-separated text for the bookkeeper.
class ImportProblemsDialog : public QDialog {
    Q_OBJECT
public:
    ImportProblemsDialog(const QString& fileName, const std::vector<ImportProblem>& problems,
                         QWidget* parent = nullptr);

    QLabel* summary() const { return summary_; }
    QTableWidget* table() const { return table_; }

public slots:
    void copyList();

private:
    QLabel* summary_;
    QTableWidget* table_;
};
