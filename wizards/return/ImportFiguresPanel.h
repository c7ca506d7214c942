#pragma once

#include "clients/ClientRecord.h"
#include "returns/ReturnPeriod.h"
#include "returns/import/FigureImport.h"

#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;

// What "Import Figures…" on the period step does in one wizard.
struct FigureImportTarget {
    // Applies figures that passed every check, for the period chosen on the step; returns the
    // problems that stopped it, in which case nothing was applied.
    std::function<std::vector<ImportProblem>(const FigureImport& figures,
                                             const ReturnPeriod& period)>
        apply;
    // Whether figures entered so far would be replaced.
    std::function<bool()> hasFigures;
    // The step "Go to Summary" leads to.
    int summaryKey = 0;
};

// The period step's way to bring in a period's figures from a spreadsheet: "Import Figures…"
// chooses a CSV file, checks it for the client and applies it, or lists every problem and
// applies nothing; "File Layout…" explains the layout and saves the client's template. After
// a good import a line says what came in, and "Go to Summary" goes through the steps to the
// summary as Next would.
class ImportFiguresPanel : public QWidget {
    Q_OBJECT
public:
    ImportFiguresPanel(const ClientRecord& client, FigureImportTarget target,
                       std::function<ReturnPeriod()> chosenPeriod, QWidget* parent = nullptr);

    QPushButton* importButton() const { return import_; }
    QPushButton* layoutButton() const { return layout_; }
    QPushButton* goToSummaryButton() const { return goToSummary_; }
    QLabel* status() const { return status_; }

public slots:
    void importFigures();
    void showLayout();
    void goToSummary();

private:
    bool apply(const QString& path);

    ClientRecord client_;
    FigureImportTarget target_;
    std::function<ReturnPeriod()> chosenPeriod_;
    QPushButton* import_;
    QPushButton* layout_;
    QPushButton* goToSummary_;
    QLabel* status_;
};
