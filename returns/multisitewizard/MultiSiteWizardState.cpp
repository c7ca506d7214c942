#include "returns/multisitewizard/MultiSiteWizardState.h"

#include "forms/multisite/MultiSiteGeneration.h"

MultiSiteWizardState::MultiSiteWizardState(const ClientInfo& client, ReturnRecord& record,
                                           FormSet& set, const FillContext& context,
                                           LocationWizardRunner runLocationWizard)
    : client(client), record(record), set(set), context(context),
      runLocationWizard(std::move(runLocationWizard)),
      results(std::make_unique<LocationResults>()) {}

MultiSiteWizardState::~MultiSiteWizardState() {
    deletePageFiles(pages);
}
