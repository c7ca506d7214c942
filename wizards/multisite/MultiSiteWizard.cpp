#include "wizards/multisite/MultiSiteWizard.h"

#include "forms/filling/FormSet.h"
#include "returns/ReturnRecord.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/multisite/CombinedSummaryStep.h"
#include "wizards/multisite/PrepareLocationsStep.h"
#include "wizards/return/PeriodPage.h"
#include "wizards/return/ReturnWizard.h"
#include "wizards/return/WelcomePage.h"

namespace {
LocationWizardRunner locationReturnWizard(const ReturnWizardSettings& settings) {
    return [settings](QWidget* parent, const ClientRecord& locationClient) {
        ClientInfo location;
        location.record = locationClient;
        return runReturnWizard(parent, location, true, settings);
    };
}
} // namespace

int runMultiSiteWizard(QWidget* parent, const ClientInfo& client,
                       const ReturnWizardSettings& settings,
                       LocationWizardRunner runLocationWizard) {
    if (client.record.multiSite != 1 || client.record.locationCount < 1)
        return -1;
    ReturnRecord& record = currentReturn();
    takeClient(record, client.record);
    MultiSiteWizardState state(
        ReturnWizardState{record, forms(), settings, client, false, false, {}},
        runLocationWizard ? std::move(runLocationWizard) : locationReturnWizard(settings));
    CWizardDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Create New Return"));
    dialog.resize(kReturnWizardSize);
    dialog.addPage(std::make_unique<WelcomePage>(state.shared));
    dialog.addPage(std::make_unique<PeriodPage>(state.shared));
    dialog.addPage(std::make_unique<PrepareLocationsStep>(state));
    dialog.addPage(std::make_unique<CombinedSummaryStep>(state));
    return dialog.exec();
}
