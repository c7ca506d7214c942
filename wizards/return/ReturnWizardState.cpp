#include "wizards/return/ReturnWizardState.h"

#include "returns/EnteredSections.h"

void ReturnWizardState::discardPreview() {
    pages.clear();
    previewed = false;
}

void startFromLastReturn(ReturnWizardState& state, const CarryForward& carry) {
    state.carryForward = carry;
    QJsonObject sections = carry.answers;
    if (carry.nextChoice)
        sections[QStringLiteral("period")] = EnteredSections::periodSection(*carry.nextChoice);
    state.startEntries = sections;
}
