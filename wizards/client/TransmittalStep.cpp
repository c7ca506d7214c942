#include "wizards/client/TransmittalStep.h"

#include "clients/profile/EntryChecks.h"
#include "platform/FixedText.h"
#include "ui/MaskedEdit.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/StepKeys.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

TransmittalStep::TransmittalStep(ClientWizardState& state)
    : YesNoStep(StepKeys::kTransmittal, QStringLiteral("Transmittal Address"),
                QStringLiteral("Is \"Transmittal\" address different from \"Business Address\"? "
                               "If YES, please specify \"Transmittal\" address."),
                state.answers.draft->transmittalDiffers, state) {}

void TransmittalStep::buildMore(QVBoxLayout* box) {
    const ClientRecord& draft = *state().answers.draft;
    auto text = [](const QString& value, int length) {
        auto* edit = new QLineEdit(value);
        edit->setMaxLength(length);
        return edit;
    };
    address1_ = text(FixedText::get(draft.transmittalAddress1), 60);
    address2_ = text(FixedText::get(draft.transmittalAddress2), 60);
    city_ = text(FixedText::get(draft.transmittalCity), 40);
    zip_ = new MaskedEdit(QStringLiteral("#####"));
    zip_->setValue(FixedText::get(draft.transmittalZip));
    zip_->setMaximumWidth(80);

    group_ = new QGroupBox(QStringLiteral("Transmittal Address "));
    auto* form = new QFormLayout(group_);
    form->addRow(QStringLiteral("Address 1:"), address1_);
    form->addRow(QStringLiteral("Address 2:"), address2_);
    form->addRow(QStringLiteral("City:"), city_);
    form->addRow(QStringLiteral("Zip Code:"), zip_);
    box->addWidget(group_);

    group_->setVisible(yesChosen());
    connect(yesButton(), &QRadioButton::toggled, group_, &QWidget::setVisible);
}

bool TransmittalStep::store() {
    ClientRecord& draft = *state().answers.draft;
    FixedText::set(draft.transmittalAddress1, address1_->text());
    FixedText::set(draft.transmittalAddress2, address2_->text());
    FixedText::set(draft.transmittalCity, city_->text());
    FixedText::set(draft.transmittalZip, zip_->value());
    const QString message = EntryChecks::transmittalProblem(yesChosen(), address1_->text(),
                                                            city_->text(), zip_->value());
    if (!message.isEmpty()) {
        refuse(message);
        return false;
    }
    return YesNoStep::store();
}
