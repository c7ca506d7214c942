#include "wizards/multisite/MultiSiteWizard.h"

#include "forms/filling/FormSet.h"
#include "platform/Clock.h"
#include "returns/ReturnRecord.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/multisite/CombinedSummaryStep.h"
#include "wizards/multisite/MultiSiteImport.h"
#include "wizards/multisite/PrepareLocationsStep.h"
#include "wizards/return/PeriodPage.h"
#include "wizards/return/ReturnWizard.h"
#include "wizards/return/WelcomePage.h"

int runMultiSiteWizard(QWidget* parent, const ClientInfo& client,
                       const ReturnWizardSettings& settings, LocationWizardRunner runLocationWizard,
                       const std::optional<StoredInputs>& lastReturn) {
    if (client.record.multiSite != 1 || client.record.locationCount < 1)
        return -1;
    ReturnRecord& record = currentReturn();
    takeClient(record, client.record);
    MultiSiteWizardState state(
        ReturnWizardState{record, forms(), settings, client, false, false, {}},
        std::move(runLocationWizard));
    if (lastReturn && lastReturn->isMultiSite()) {
        state.lastReturn = lastReturn;
        startFromLastReturn(state.shared, carryForwardFrom(*lastReturn, Clock::today()));
    }
    CWizardDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Create New Return"));
    dialog.setSizeInFontUnits(kReturnWizardFontUnits);
    dialog.addPage(std::make_unique<WelcomePage>(state.shared));
    dialog.addPage(std::make_unique<PeriodPage>(state.shared, multiSiteImportTarget(state)));
    dialog.addPage(std::make_unique<PrepareLocationsStep>(state));
    dialog.addPage(std::make_unique<CombinedSummaryStep>(state));
    return dialog.exec();
}
