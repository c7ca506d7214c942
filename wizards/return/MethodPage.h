#pragma once

#include "wizards/return/ReturnWizardPage.h"

#include <QStringList>
#include <functional>

class QLabel;
class QRadioButton;

// Steps 293 (ST-14) and 294 (ST-4 step 1): the way the preparer knows the taxable amount,
// one of three methods each explained with an example, and the amount, whose prompt follows
// the chosen method.
class MethodPage : public ReturnWizardPage {
    Q_OBJECT
public:
    struct Method {
        QString choice;      // the radio button
        QString explanation; // what to enter, with an example
        QString prompt;      // "Part 2: Since you chose ..."
    };
    struct Description {
        int key = 0;
        QString title;
        QString formPlace;
        QString amountKey; // the field's name
        Method methods[3];
        std::function<void(ReturnRecord&, int method, double amount)> store;
        QString methodKey = {}; // the entry name of the chosen method (0, 1 or 2)
    };

    MethodPage(Description step, ReturnWizardState& state);

    int nextPressed() override;
    // The amount, which every preparer types; the method choices are a Shift+Tab away.
    QWidget* firstField() const override;

protected:
    void buildContents(QVBoxLayout* box) override;

private:
    int chosenMethod() const;
    void showChosenPrompt();

    Description step_;
    QRadioButton* choices_[3] = {};
    QLabel* prompt_ = nullptr;
    AmountEdit* amount_ = nullptr;
};
