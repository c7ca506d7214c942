#pragma once

#include "ui/AmountEdit.h"
#include "ui/wizard/CWizardPage.h"

#include <QString>

class QGridLayout;
class QLineEdit;
class QLabel;
class QVBoxLayout;
struct ReturnRecord;
struct ReturnWizardState;

// A step of a return wizard: the program's picture down the left, a group box titled with the
// step's subject, and under it a line saying where the step's figures go on the forms. Each
// amount field has a "?" button (and F1) that opens its help balloon.
class ReturnWizardPage : public CWizardPage {
    Q_OBJECT
public:
    ReturnWizardPage(int key, const QString& title, const QString& formPlace,
                     ReturnWizardState& state);

    bool pageCreated() override;

protected:
    virtual void buildContents(QVBoxLayout* box) = 0;

    ReturnWizardState& state() const { return state_; }
    ReturnRecord& record() const;

    static QLabel* paragraph(const QString& text);
    // Adds a row "label  [field] ?" to the grid; the field is named `key`, the name the help
    // texts and the record use for it.
    AmountEdit* addAmountRow(QGridLayout* grid, const QString& label, const QString& key,
                             AmountEdit::Kind kind = AmountEdit::Kind::Dollars);
    // The text of `field` as the wizard's starting entries give it (empty when they have none).

    // False, after telling the preparer, when the sum reaches the total receipts stored on
    // the total receipts page.
    bool checkSumBelowTotalReceipts(double sum);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showHelp(QWidget* field);

    ReturnWizardState& state_;
    QString title_;
    QString formPlace_;
};
