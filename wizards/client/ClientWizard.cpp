#include "wizards/client/ClientWizard.h"

#include "ui/Icons.h"
#include "wizards/client/BusinessStep.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/FinishStep.h"
#include "wizards/client/LetterStep.h"
#include "wizards/client/LocationsStep.h"
#include "wizards/client/MotorFuelStep.h"
#include "wizards/client/SiteKindStep.h"
#include "wizards/client/StepKeys.h"
#include "wizards/client/TaxNumberStep.h"
#include "wizards/client/TransmittalStep.h"
#include "wizards/client/WelcomeStep.h"

namespace {
const QString kDeductionQuestion =
    QStringLiteral("Do any of the following deductions apply to this client?");
}

ClientWizard::ClientWizard(ClientWizardState& state, QWidget* parent) : CWizardDialog(parent) {
    setWindowTitle(state.isNew() ? QStringLiteral("Setup New Client")
                                 : QStringLiteral("Modify Client"));
    setWindowIcon(Icons::program());
    ClientRecord& draft = *state.answers.draft;
    auto yesNo = [&](int key, const QString& title, const QString& question, std::int32_t& answer,
                     const QStringList& items = {}) {
        addPage(std::make_unique<YesNoStep>(key, title, question, answer, state, items));
    };

    addPage(std::make_unique<WelcomeStep>(state));
    addPage(std::make_unique<SiteKindStep>(state));
    addPage(std::make_unique<BusinessStep>(state));
    addPage(std::make_unique<LocationsStep>(state));
    addPage(std::make_unique<TaxNumberStep>(state));
    addPage(std::make_unique<TransmittalStep>(state));
    yesNo(StepKeys::kSoftDrinkTax, QStringLiteral("ST-14 Chicago Soft Drink Tax Return"),
          QStringLiteral("If this client sells canned or bottled (not fountain) soft drinks at "
                         "retail in the city of Chicago, then he or she must file Form ST-14 "
                         "(Chicago Soft Drink Tax Return). \nDoes this client file Form ST-14?"),
          draft.filesST14);
    yesNo(StepKeys::kFoodAndBeverageTax, QStringLiteral("ST-4 MPEA Food and Beverage Tax Return"),
          QStringLiteral("Does this client file form ST-4?"), draft.filesST4);
    yesNo(StepKeys::kTireFee, QStringLiteral("ST-8 Tire User Fee"),
          QStringLiteral("Does this client file form ST-8?"), draft.filesST8);
    addPage(std::make_unique<MotorFuelStep>(state));
    yesNo(StepKeys::kDeductionGroup1,
          QStringLiteral("Resale,interstate commerce,cash refunds,magazines"), kDeductionQuestion,
          draft.deductionGroup1,
          {QStringLiteral("Resale."), QStringLiteral("Interstate commerce."),
           QStringLiteral("Cash refunds."), QStringLiteral("Newspapers and magazines.")});
    yesNo(StepKeys::kDeductionGroup2,
          QStringLiteral("Exempt organizations,food stamps and enterprise building"),
          kDeductionQuestion, draft.deductionGroup2,
          {QStringLiteral("Exempt organizations."), QStringLiteral("Food stamps."),
           QStringLiteral("Enterprise zone building materials and consumables or high impact "
                          "business building materials.")});
    yesNo(StepKeys::kDeductionGroup3,
          QStringLiteral("Manufacturing, farm or Graphic arts machinery"), kDeductionQuestion,
          draft.deductionGroup3,
          {QStringLiteral("Manufacturing machinery and equipment (including photoprocessing)."),
           QStringLiteral("Farm machinery and equipment."),
           QStringLiteral("Graphic arts machinery and equipment.")});
    addPage(std::make_unique<LetterStep>(state));
    addPage(std::make_unique<FinishStep>(state));
    // About 626 x 461 pixels at a 9-point font.
    setSizeInFontUnits({103, 33});
}

bool ClientWizard::commitFinish() {
    return !finishAction_ || finishAction_();
}
