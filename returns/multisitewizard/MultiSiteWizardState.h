#pragma once

#include "clients/ClientRecord.h"
#include "forms/PageEntry.h"
#include "forms/filling/FillContext.h"
#include "forms/multisite/CombinedFills.h"
#include "returns/multisite/LocationResult.h"

#include <functional>
#include <memory>
#include <vector>

class CWizardPage;
class QWidget;
struct FormSet;
struct ReturnRecord;

// Runs the location-mode return wizard ("Prepare Location") on a location client record,
// which the wizard leaves its figures in the current return; its exec() result.
using LocationWizardRunner =
    std::function<int(QWidget* parent, const ClientRecord& locationClient)>;

// What the multi-site wizard is built from besides its own two steps: the welcome and period
// steps that open every new return, and the location-mode return wizard.
struct MultiSiteWizardParts {
    std::function<std::vector<std::unique_ptr<CWizardPage>>()> leadingPages;
    LocationWizardRunner runLocationWizard;
};

// What the steps of one multi-site wizard share: the client, the location result entries, the
// return and the forms being prepared, and the generated pages.
struct MultiSiteWizardState {
    MultiSiteWizardState(const ClientInfo& client, ReturnRecord& record, FormSet& set,
                         const FillContext& context, LocationWizardRunner runLocationWizard);
    ~MultiSiteWizardState();

    const ClientInfo client;
    ReturnRecord& record;
    FormSet& set;
    const FillContext context;
    const LocationWizardRunner runLocationWizard;
    std::unique_ptr<LocationResults> results;
    CombinedFills fills;
    PageList pages; // the page files of the last preview, deleted with the state
    bool previewed = false;
};
