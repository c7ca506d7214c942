#pragma once

#include "wizards/multisite/MultiSiteWizardState.h"

class QWidget;

// "New Return" for a multi-site client, over the program's current return and forms, which the
// caller has reset: the wizard titled "Create New Return" with the welcome and period steps of
// the return wizard, the locations step 297 and the summary step 298. Each location is
// prepared by `runLocationWizard`, by default the location-mode return wizard with the same
// settings. With `lastReturn` (the client's last stored multi-site return) the return starts
// from it: the next period, and per location the hints of that location. Returns
// CWizardDialog::kFinished or kCancelled, or -1 when the wizard cannot start (the caller shows
// "Failed to create new return"). The pages of its previews go when it ends.
int runMultiSiteWizard(QWidget* parent, const ClientInfo& client,
                       const ReturnWizardSettings& settings,
                       LocationWizardRunner runLocationWizard = {},
                       const std::optional<StoredInputs>& lastReturn = std::nullopt);
