#include "wizards/return/ReturnWizardState.h"

#include "forms/preview/ReturnGeneration.h"

void ReturnWizardState::discardPreview() {
    deletePageFiles(pages);
    pages.clear();
    previewed = false;
}
