#pragma once

#include "returns/ReturnSummary.h"
#include "returns/schedule/FilingPeriod.h"

#include <QTableWidget>

// The summary step's comparison with the last stored return: per ST-1 amount (total receipts,
// deductions, taxable receipts, payment due) this return's figure, the last return's, the
// change in percent and, for a change over the threshold, a short reason in words on a
// coloured cell, so a figure typed with an extra zero stands out before the preview.
class LastReturnComparison : public QTableWidget {
    Q_OBJECT
public:
    LastReturnComparison(const ReturnSummary& last, const FilingPeriod& lastPeriod,
                         QWidget* parent = nullptr);

    // Shows the amounts of this return beside the last ones.
    void showAmounts(const ReturnSummary& now);
    // How many amounts are marked.
    int markedCount() const { return marked_; }

private:
    ReturnSummary last_;
    int marked_ = 0;
};
