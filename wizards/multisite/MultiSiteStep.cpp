#include "wizards/multisite/MultiSiteStep.h"

#include "ui/wizard/WizardStepFrame.h"

#include <QLabel>
#include <QVBoxLayout>

MultiSiteStep::MultiSiteStep(int key, const QString& title, MultiSiteWizardState& state)
    : CWizardPage(key), state_(state), title_(title) {}

bool MultiSiteStep::pageCreated() {
    buildContents(buildWizardStepFrame(this, title_));
    return true;
}

QLabel* MultiSiteStep::paragraph(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}
