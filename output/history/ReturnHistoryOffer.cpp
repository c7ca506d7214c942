#include "output/history/ReturnHistoryOffer.h"

#include "history/ReturnHistory.h"
#include "ui/MessageBoxes.h"

void offerReturnToHistory(QWidget* parent, const QString& clientFilePath, const PageList& pages,
                          const ReturnSummary& summary, const StoredInputs& inputs) {
    if (pages.empty())
        return;
    if (MessageBoxes::current().confirm(parent,
                                        QStringLiteral("Would you like to add this return to the "
                                                       "\"Return History\" of this client?"),
                                        MessageIcon::Question, false))
        addReturnToHistory(clientFilePath, pages, summary, inputs);
}
