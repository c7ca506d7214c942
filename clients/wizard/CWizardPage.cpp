#include "clients/wizard/CWizardPage.h"

CWizardPage::CWizardPage(int key) : key_(key) {
    hide();
}
