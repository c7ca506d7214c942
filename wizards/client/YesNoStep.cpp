#include "wizards/client/YesNoStep.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

YesNoStep::YesNoStep(int key, const QString& title, const QString& question, std::int32_t& answer,
                     ClientWizardState& state, const QStringList& items)
    : ClientWizardStep(key, title, state), question_(question), items_(items), answer_(answer) {}

void YesNoStep::buildContents(QVBoxLayout* box) {
    box->addWidget(items_.isEmpty() ? paragraph(question_) : numberedList(question_, items_));
    yes_ = new QRadioButton(QStringLiteral("&YES"));
    no_ = new QRadioButton(QStringLiteral("N&O"));
    auto* group = new QButtonGroup(this);
    group->addButton(yes_);
    group->addButton(no_);
    (answer_ == 1 ? yes_ : no_)->setChecked(true);
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(20, 4, 0, 4);
    buttons->addWidget(yes_);
    buttons->addWidget(no_);
    box->addLayout(buttons);
    buildMore(box);
}

bool YesNoStep::yesChosen() const {
    return yes_->isChecked();
}

bool YesNoStep::store() {
    answer_ = yesChosen() ? 1 : 0;
    return true;
}
