#pragma once

#include "forms/multisite/CombinedFills.h"
#include "returns/inputs/StoredInputs.h"
#include "returns/multisite/LocationResult.h"
#include "wizards/return/ReturnWizardState.h"

#include <QJsonObject>
#include <array>
#include <functional>
#include <memory>

class QWidget;

// Runs the location-mode return wizard ("Prepare Location") on a location client record; it
// leaves the location's figures in the current return. `figures` are the entry sections its
// steps start from (empty for none), and, when it ends with Finish, the figures its steps hold.
// Its exec() result.
using LocationWizardRunner =
    std::function<int(QWidget* parent, const ClientRecord& locationClient, QJsonObject& figures)>;

// What the steps of one multi-site wizard share. `shared` is what the welcome and period steps
// work on: the current return, the forms, the settings, the client, the previewed flag (the
// welcome step's finishing question looks at it) and the pages of the last preview, which go
// with the state. The result entries are bound to the client's locations when the
// state is made; `locationFigures` keeps the figures each prepared location was entered with
// (typed in its wizard or imported). A return carried forward from the client's last stored
// one keeps that return's inputs, from which each location's wizard takes its hints.
struct MultiSiteWizardState {
    MultiSiteWizardState(ReturnWizardState shared, LocationWizardRunner runLocationWizard);

    ReturnWizardState shared;
    // Empty: the location-mode return wizard with the shared settings.
    const LocationWizardRunner runLocationWizard;
    std::optional<StoredInputs> lastReturn;
    std::unique_ptr<LocationResults> results;
    CombinedFills fills;
    std::array<QJsonObject, kMaxLocations> locationFigures{};

    ReturnRecord& record() const { return shared.record; }
    const ClientRecord& client() const { return shared.client.record; }
    const FillContext& context() const { return shared.settings.fill; }
};
