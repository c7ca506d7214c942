#include "wizards/multisite/MultiSiteStep.h"

#include <QGroupBox>
#include <QVBoxLayout>

MultiSiteStep::MultiSiteStep(int key, const QString& title, MultiSiteWizardState& state)
    : CWizardPage(key), state_(state), title_(title) {}

bool MultiSiteStep::pageCreated() {
    auto* group = new QGroupBox(title_, this);
    auto* box = new QVBoxLayout(group);
    buildContents(box);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 6);
    layout->addWidget(group);
    return true;
}
