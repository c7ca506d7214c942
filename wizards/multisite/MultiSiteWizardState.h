#pragma once

#include "forms/multisite/CombinedFills.h"
#include "returns/inputs/StoredInputs.h"
#include "returns/multisite/LocationResult.h"
#include "wizards/return/ReturnWizardState.h"

#include <functional>
#include <memory>

class QWidget;

// Runs the location-mode return wizard ("Prepare Location") on a location client record; it
// leaves the location's figures in the current return. Its exec() result.
using LocationWizardRunner =
    std::function<int(QWidget* parent, const ClientRecord& locationClient)>;

// What the steps of one multi-site wizard share. `shared` is what the welcome and period steps
// work on: the current return, the forms, the settings, the client, the previewed flag (the
// welcome step's finishing question looks at it) and the page files of the last preview, which
// are deleted with the state. A return carried forward from the client's last stored one keeps
// that return's inputs, from which each location's wizard takes its hints.
struct MultiSiteWizardState {
    MultiSiteWizardState(ReturnWizardState shared, LocationWizardRunner runLocationWizard);
    ~MultiSiteWizardState();

    ReturnWizardState shared;
    // Empty: the location-mode return wizard with the shared settings.
    const LocationWizardRunner runLocationWizard;
    std::optional<StoredInputs> lastReturn;
    std::unique_ptr<LocationResults> results;
    CombinedFills fills;

    ReturnRecord& record() const { return shared.record; }
    const ClientRecord& client() const { return shared.client.record; }
    const FillContext& context() const { return shared.settings.fill; }
};
