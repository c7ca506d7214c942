#pragma once

#include "wizards/return/ReturnWizardPage.h"

#include <functional>
#include <vector>

class QLineEdit;

// One amount of an amounts step: its field (named `key`; its kind is that of the entry field of
// the same name) and label, an optional paragraph shown above it, an optional description field
// beside it, and how Next stores it.
struct AmountRow {
    AmountRow(QString key, QString label, std::function<void(ReturnRecord&, double)> store)
        : key(std::move(key)), label(std::move(label)), store(std::move(store)) {}

    QString key;
    QString label;
    std::function<void(ReturnRecord&, double)> store;
    QString paragraphAbove;
    QString descriptionKey; // a description field is shown when set
    std::function<void(ReturnRecord&, const QString&)> storeDescription;
};

// What an amounts step shows and does. Whether Next is refused while the amounts add up to
// the total receipts or more is the entry step's rule (EntrySteps).
struct AmountsStep {
    AmountsStep(int key, QString title, QString formPlace, QString introduction,
                std::vector<AmountRow> rows)
        : key(key), title(std::move(title)), formPlace(std::move(formPlace)),
          introduction(std::move(introduction)), rows(std::move(rows)) {}

    int key = 0;
    QString title;
    QString formPlace;
    QString introduction;
    std::vector<AmountRow> rows;
    // Runs when the step is shown, and after Next has stored the amounts.
    std::function<void(ReturnRecord&)> onShown;
    std::function<void(ReturnRecord&)> afterStore;
};

// A step of amount fields that Next stores into the return.
class AmountsPage : public ReturnWizardPage {
    Q_OBJECT
public:
    AmountsPage(AmountsStep step, ReturnWizardState& state);

    void pageShown() override;
    int nextPressed() override;

protected:
    void buildContents(QVBoxLayout* box) override;

private:
    AmountsStep step_;
    std::vector<AmountEdit*> fields_;
    std::vector<QLineEdit*> descriptions_; // one per row, null without a description
};
