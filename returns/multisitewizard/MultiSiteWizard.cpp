#include "returns/multisitewizard/MultiSiteWizard.h"

#include "clients/wizard/CWizardDialog.h"
#include "forms/filling/FormSet.h"
#include "returns/ReturnRecord.h"
#include "returns/multisitewizard/CombinedSummaryStep.h"
#include "returns/multisitewizard/PrepareLocationsStep.h"

int runMultiSiteWizard(QWidget* parent, const ClientInfo& client, const FillContext& context,
                       const MultiSiteWizardParts& parts) {
    ReturnRecord& record = currentReturn();
    FormSet& set = forms();
    if (!resetReturnAndForms(record, set, context) || !parts.runLocationWizard)
        return -1;
    takeClient(record, client.record);
    MultiSiteWizardState state(client, record, set, context, parts.runLocationWizard);
    CWizardDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Create New Return"));
    if (parts.leadingPages) {
        for (auto& page : parts.leadingPages())
            dialog.addPage(std::move(page));
    }
    dialog.addPage(std::make_unique<PrepareLocationsStep>(state));
    dialog.addPage(std::make_unique<CombinedSummaryStep>(state));
    return dialog.exec();
}
