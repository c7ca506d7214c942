#pragma once

#include "wizards/multisite/MultiSiteStep.h"

#include <array>

class LastReturnComparison;
class QLabel;
class QPushButton;
class SummaryExplanations;

// Page 298, the summary of the combined return: each time it is shown it combines the
// prepared locations (combineLocations) and shows the combined total receipts, deductions,
// taxable receipts and payment due. "Preview Return" generates the pages and opens the
// preview; Finish after a preview offers to add the return to the client's history. Going
// back discards the preview.
class CombinedSummaryStep : public MultiSiteStep {
    Q_OBJECT
public:
    static constexpr int kKey = 298;

    explicit CombinedSummaryStep(MultiSiteWizardState& state);

    void pageShown() override;
    QWidget* firstField() const override;
    int backPressed() override;
    bool finishPressed() override;

    QPushButton* previewButton() const { return preview_; }
    // The amount texts in the order Total Receipts, Deductions, Taxable Receipts, Payment Due.
    QLabel* amountLabel(int row) const { return amounts_[size_t(row)]; }
    LastReturnComparison* comparison() const { return comparison_; }

public slots:
    void previewReturn();

protected:
    void buildContents(QVBoxLayout* box) override;

private:
    std::array<QLabel*, 4> amounts_{};
    SummaryExplanations* explanations_ = nullptr;
    QPushButton* preview_ = nullptr;
    LastReturnComparison* comparison_ = nullptr; // with a last return to compare with
};
