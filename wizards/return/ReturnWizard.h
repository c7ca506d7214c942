#pragma once

#include "ui/wizard/CWizardDialog.h"
#include "wizards/return/ReturnWizardState.h"

#include <QSize>

// The size of every return wizard, the multi-site wizard's too, in units of its font (average
// character widths by line spacings; about 730 x 559 pixels at a 9-point font): as wide as its
// widest step and as tall as all but the longest lists of fields (motor fuel), which scroll, at
// every font size. The window keeps that size, and its buttons their places, from step to step.
inline constexpr QSize kReturnWizardFontUnits(120, 40);

// The return wizard: "Create New Return" for a single-site client, or "Prepare Location" for
// one location of a multi-site return (no welcome and period steps), followed by the
// location's name when it has one, so the preparer sees which location the figures are for. It
// copies the client into the return when it is made. Its steps are those the client's profile calls
// for; the pages its preview generated go with it.
class ReturnWizard : public CWizardDialog {
    Q_OBJECT
public:
    ReturnWizard(ReturnWizardState state, QWidget* parent = nullptr);

    ReturnWizardState& state() { return state_; }

    // Enables the steps the return takes: for blank forms only the summary (after the total
    // receipts step), otherwise those the client's profile calls for.
    void applyIncludedSteps(bool blankForms);

private:
    void addSteps();
    bool included(int key) const;

    ReturnWizardState state_;
};

// Runs the wizard modally on the client, over the program's current return and forms, which
// the caller has reset. With `lastReturn` (the client's last stored single-site return) the
// return starts from it (startFromLastReturn). Returns CWizardDialog::kFinished or
// kCancelled, or -1 when the wizard cannot start.
int runReturnWizard(QWidget* parent, const ClientInfo& client, bool locationMode,
                    const ReturnWizardSettings& settings,
                    const std::optional<StoredInputs>& lastReturn = std::nullopt);
