#pragma once

#include "wizards/return/ReturnWizardPage.h"

class LastReturnComparison;
class QPushButton;
class QTableWidget;
class SummaryExplanations;
struct SummaryTexts;

// Step 292, the last: computes every form and shows the summary table. Outside location mode
// "Preview Return" generates the pages and opens the preview; Finish then offers to keep the
// return in the client's history. In location mode Finish confirms that the location is done,
// and is refused while its ST-1 bases do not add up. Going back discards the preview.
class SummaryPage : public ReturnWizardPage {
    Q_OBJECT
public:
    explicit SummaryPage(ReturnWizardState& state);

    void pageShown() override;
    QWidget* firstField() const override;
    int backPressed() override;
    bool finishPressed() override;

    QTableWidget* table() const { return table_; }
    SummaryExplanations* explanations() const { return explanations_; }
    QPushButton* previewButton() const { return preview_; }
    LastReturnComparison* comparison() const { return comparison_; }
    // The ST-1 status of the last computation (0, or -6 when the bases miss line 3).
    int st1Status() const { return st1Status_; }

public slots:
    void previewReturn();

protected:
    void buildContents(QVBoxLayout* box) override;

private:
    void showSummary(const SummaryTexts& texts);
    int computeReturn();

    QTableWidget* table_ = nullptr;
    SummaryExplanations* explanations_ = nullptr;
    QPushButton* preview_ = nullptr;
    LastReturnComparison* comparison_ = nullptr; // with a last return to compare with
    int st1Status_ = 0;
};
