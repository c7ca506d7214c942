#include "wizards/multisite/MultiSiteWizardState.h"

MultiSiteWizardState::MultiSiteWizardState(ReturnWizardState shared,
                                           LocationWizardRunner runLocationWizard)
    : shared(std::move(shared)), runLocationWizard(std::move(runLocationWizard)),
      results(std::make_unique<LocationResults>()) {
    bindLocations(*results, client());
}
