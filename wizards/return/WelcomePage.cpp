#include "wizards/return/WelcomePage.h"

#include "ui/MessageBoxes.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/ReturnWizardState.h"

#include <QLabel>
#include <QVBoxLayout>

WelcomePage::WelcomePage(ReturnWizardState& state)
    : ReturnWizardPage(PageKeys::kWelcome, QStringLiteral("Welcome"), {}, state) {}

void WelcomePage::buildContents(QVBoxLayout* box) {
    box->addWidget(
        paragraph(QStringLiteral("This wizard guides you through the process of creating a new "
                                 "return.")));
    box->addSpacing(8);
    box->addWidget(paragraph(QStringLiteral("This return is for : ")));
    // Named as the client list names the client: a multi-site client by its first location.
    auto* name = new QLabel(clientName(state().client.record));
    name->setObjectName(QStringLiteral("businessName"));
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    name->setFont(bold);
    name->setContentsMargins(20, 0, 0, 0);
    box->addWidget(name);
    box->addSpacing(8);
    box->addWidget(paragraph(
        QStringLiteral("If you would like to choose a different client, please close this "
                       "wizard, select another client from the \"Client List\" and then choose "
                       "\"New Return\" again.")));
}

bool WelcomePage::queryCancel() {
    return confirmCancelReturn(this);
}

bool WelcomePage::finishPressed() {
    if (state().previewed)
        return true;
    return MessageBoxes::current().confirm(
        this,
        QStringLiteral("Are you sure you want to close this wizard without printing the return?"),
        MessageIcon::Warning, true);
}

bool confirmCancelReturn(QWidget* parent) {
    return MessageBoxes::current().confirm(
        parent, QStringLiteral("Are you sure you want to cancel?"), MessageIcon::Question, true);
}
