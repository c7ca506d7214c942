#include "wizards/client/MotorFuelStep.h"

#include "clients/HomeRuleCategory.h"
#include "platform/FixedText.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/StepKeys.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
using CentsField = std::int32_t MotorFuelProfile::*;
constexpr std::array<CentsField, 5> kCentsFields = {
    &MotorFuelProfile::gasolineCents, &MotorFuelProfile::gasoholCents,
    &MotorFuelProfile::dieselCents, &MotorFuelProfile::dieselholCents,
    &MotorFuelProfile::specialFuelsCents};
const std::array<QString, 5> kFuelLabels = {QStringLiteral("Gasoline:"), QStringLiteral("Gasohol:"),
                                            QStringLiteral("Diesel:"), QStringLiteral("Dieselhol:"),
                                            QStringLiteral("Special fuels:")};

void clearCents(MotorFuelProfile& profile) {
    for (CentsField field : kCentsFields)
        profile.*field = 0;
}
} // namespace

MotorFuelStep::MotorFuelStep(ClientWizardState& state)
    : YesNoStep(StepKeys::kMotorFuel, QStringLiteral("Motor Fuel"),
                QStringLiteral("Does this client sell any motor fuels?"),
                state.answers.draft->motorFuel.sellsMotorFuel, state) {}

void MotorFuelStep::buildMore(QVBoxLayout* box) {
    amountsArea_ = new QWidget;
    auto* area = new QVBoxLayout(amountsArea_);
    area->setContentsMargins(0, 0, 0, 0);
    area->addWidget(paragraph(
        QStringLiteral("If this client pays any \"Home Rule Fuel Taxes\", please specify the "
                       "amount of tax per gallon for each of the following fuels:")));
    auto* form = new QFormLayout;
    form->setContentsMargins(20, 0, 0, 0);
    const MotorFuelProfile& profile = state().answers.draft->motorFuel;
    for (std::size_t index = 0; index < amounts_.size(); ++index) {
        auto* edit = new QLineEdit(QString::number(profile.*kCentsFields[index]));
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), edit));
        edit->setMaxLength(2);
        edit->setMaximumWidth(50);
        form->addRow(kFuelLabels[index], edit);
        amounts_[index] = edit;
    }
    area->addLayout(form);
    area->addWidget(paragraph(
        QStringLiteral("Note:\nAll amounts are per gallon and in cents. \nFor example if the "
                       "\"Home Rule Fuel Tax\" is 2\u00a2/gal for Gasoline then enter 2 in the "
                       "Gasoline input box, and so on.")));
    box->addWidget(amountsArea_);
}

bool MotorFuelStep::amountsShown() const {
    return amountsArea_ && !amountsArea_->isHidden();
}

void MotorFuelStep::pageShown() {
    const bool typed = homeRuleCategory(state().wizardLocationCode) == kHomeRuleCategoryTyped;
    amountsArea_->setVisible(typed && !state().answers.isMultiSite());
}

bool MotorFuelStep::store() {
    YesNoStep::store();
    ClientAnswers& answers = state().answers;
    MotorFuelProfile& profile = answers.draft->motorFuel;
    profile.homeRuleCategory = homeRuleCategory(state().wizardLocationCode);
    if (profile.homeRuleCategory == kHomeRuleCategoryTyped) {
        for (std::size_t index = 0; index < amounts_.size(); ++index)
            profile.*kCentsFields[index] = amounts_[index]->text().toInt();
    } else {
        clearCents(profile);
    }
    if (answers.isMultiSite()) {
        for (ClientLocation& location : answers.locations) {
            location.motorFuel.sellsMotorFuel = profile.sellsMotorFuel;
            location.motorFuel.homeRuleCategory =
                homeRuleCategory(FixedText::view(location.locationCode));
            clearCents(location.motorFuel);
        }
    }
    return true;
}
