#include "wizards/return/ReturnWizard.h"

#include "forms/filling/FormSet.h"
#include "platform/Clock.h"
#include "returns/ReturnRecord.h"
#include "returns/entry/EntrySteps.h"
#include "ui/Icons.h"
#include "wizards/return/AmountSteps.h"
#include "wizards/return/FoodPage.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/PeriodPage.h"
#include "wizards/return/ReceiptsPage.h"
#include "wizards/return/ReturnWizardImport.h"
#include "wizards/return/SummaryPage.h"
#include "wizards/return/WelcomePage.h"

namespace {
QString locationTitle(const ClientRecord& location) {
    const QString name = clientName(location).trimmed();
    const QString title = QStringLiteral("Prepare Location");
    return name.isEmpty() ? title : title + QStringLiteral(" - ") + name;
}
} // namespace

ReturnWizard::ReturnWizard(ReturnWizardState state, QWidget* parent)
    : CWizardDialog(parent), state_(std::move(state)) {
    takeClient(state_.record, state_.client.record);
    setWindowTitle(state_.locationMode ? locationTitle(state_.client.record)
                                       : QStringLiteral("Create New Return"));
    setWindowIcon(Icons::program());
    addSteps();
    applyIncludedSteps(false);
    setSizeInFontUnits(kReturnWizardFontUnits);
}

void ReturnWizard::addSteps() {
    using namespace AmountSteps;
    ReturnWizardState& s = state_;
    if (!s.locationMode) {
        addPage(std::make_unique<WelcomePage>(s));
        addPage(std::make_unique<PeriodPage>(s, singleSiteImportTarget(*this, s)));
    }
    addPage(std::make_unique<ReceiptsPage>(
        s, [this](bool blankForms) { applyIncludedSteps(blankForms); }));
    addPage(std::make_unique<FoodPage>(s));
    for (AmountsStep step : {salesOutside(), priorRates(), resaleDeductions(), motorFuel(),
                             serviceDeductions(), exemptDeductions(), machineryDeductions(),
                             otherDeductions(), purchases(), netTaxDue(), excessTax()})
        addPage(std::make_unique<AmountsPage>(std::move(step), s));
    addPage(std::make_unique<MethodPage>(softDrinkTax(), s));
    addPage(std::make_unique<MethodPage>(mpeaTax(), s));
    addPage(std::make_unique<AmountsPage>(mpeaPayments(), s));
    addPage(std::make_unique<AmountsPage>(tireFee(), s));
    addPage(std::make_unique<SummaryPage>(s));
}

bool ReturnWizard::included(int key) const {
    return EntrySteps::pageIncluded(key, state_.client.record);
}

void ReturnWizard::applyIncludedSteps(bool blankForms) {
    for (const int key :
         {PageKeys::kFoodInside, PageKeys::kSalesOutside, PageKeys::kPriorRates,
          PageKeys::kResaleDeductions, PageKeys::kMotorFuel, PageKeys::kServiceDeductions,
          PageKeys::kExemptDeductions, PageKeys::kMachineryDeductions, PageKeys::kOtherDeductions,
          PageKeys::kPurchases, PageKeys::kNetTaxDue, PageKeys::kExcessTax, PageKeys::kSt14,
          PageKeys::kSt4Step1, PageKeys::kSt4Step2, PageKeys::kSt8})
        page(key)->setStepEnabled(!blankForms && included(key));
}

int runReturnWizard(QWidget* parent, const ClientInfo& client, bool locationMode,
                    const ReturnWizardSettings& settings,
                    const std::optional<StoredInputs>& lastReturn) {
    ReturnWizardState state{currentReturn(), forms(), settings, client, locationMode, false, {}};
    if (lastReturn && !lastReturn->isMultiSite())
        startFromLastReturn(state, carryForwardFrom(*lastReturn, Clock::today()));
    ReturnWizard wizard(std::move(state), parent);
    return wizard.exec();
}
