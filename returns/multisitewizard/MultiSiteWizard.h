#pragma once

#include "returns/multisitewizard/MultiSiteWizardState.h"

class QWidget;

// "New Return" for a multi-site client: resets the current return, computes it once with
// empty inputs and fills the forms from it, takes the client, then runs the wizard titled
// "Create New Return" with the leading steps of `parts` (welcome and period), the locations
// step 297 and the summary step 298. Returns the dialog's result, or -1 when the wizard cannot
// start (the caller shows "Failed to create new return"). The page files of its previews are
// deleted when it ends.
int runMultiSiteWizard(QWidget* parent, const ClientInfo& client, const FillContext& context,
                       const MultiSiteWizardParts& parts);
