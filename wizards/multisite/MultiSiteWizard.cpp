#include "wizards/multisite/MultiSiteWizard.h"

#include "forms/filling/FormSet.h"
#include "returns/ReturnRecord.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/multisite/CombinedSummaryStep.h"
#include "wizards/multisite/MultiSiteImport.h"
#include "wizards/multisite/PrepareLocationsStep.h"
#include "wizards/return/EntryFields.h"
#include "wizards/return/PeriodPage.h"
#include "wizards/return/ReturnWizard.h"
#include "wizards/return/WelcomePage.h"

namespace {
LocationWizardRunner locationReturnWizard(const ReturnWizardSettings& settings) {
    return [settings](QWidget* parent, const ClientRecord& locationClient, QJsonObject& figures) {
        ClientInfo location;
        location.record = locationClient;
        ReturnWizardState state{currentReturn(), forms(), settings, location, true, false, {}};
        state.startEntries = figures;
        ReturnWizard wizard(std::move(state), parent);
        const int result = wizard.exec();
        if (result == CWizardDialog::kFinished)
            figures = EntryFields::entered(wizard);
        return result;
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
    dialog.addPage(std::make_unique<PeriodPage>(state.shared, multiSiteImportTarget(state)));
    dialog.addPage(std::make_unique<PrepareLocationsStep>(state));
    dialog.addPage(std::make_unique<CombinedSummaryStep>(state));
    return dialog.exec();
}
