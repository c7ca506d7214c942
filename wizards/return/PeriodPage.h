#pragma once

#include "returns/ReturnPeriod.h"
#include "wizards/return/ImportFiguresPanel.h"
#include "wizards/return/ReturnWizardPage.h"

class QComboBox;
class QRadioButton;

// Step 277: filed on time or not, and the liability period: a month, a quarter or a year from
// the lists of the period rules. Next stores the completed period in the return. With an
// import target the step also offers to import the period's figures from a file.
class PeriodPage : public ReturnWizardPage {
    Q_OBJECT
public:
    explicit PeriodPage(ReturnWizardState& state, FigureImportTarget importTarget = {});

    int nextPressed() override;
    // The period as chosen, completed for today.
    ReturnPeriod chosenPeriod() const;
    ImportFiguresPanel* importPanel() const { return importPanel_; }

protected:
    void buildContents(QVBoxLayout* box) override;

private:
    void enableChosenList();
    // Selects the type and list entries of `period` (a start the wizard was given).
    void choosePeriod(const ReturnPeriod& period);

    QRadioButton* onTime_ = nullptr;
    QRadioButton* monthly_ = nullptr;
    QRadioButton* quarterly_ = nullptr;
    QRadioButton* annual_ = nullptr;
    QComboBox* months_ = nullptr;
    QComboBox* quarters_ = nullptr;
    QComboBox* years_ = nullptr;
    FigureImportTarget importTarget_;
    ImportFiguresPanel* importPanel_ = nullptr;
};
