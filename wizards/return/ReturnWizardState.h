#pragma once

#include "clients/ClientRecord.h"
#include "forms/PageEntry.h"
#include "returns/inputs/CarryForward.h"
#include "wizards/return/ReturnWizardSettings.h"
#include "wizards/return/StartingEntries.h"

#include <optional>

struct FormSet;
struct ReturnRecord;

// What the steps of one return wizard share: the return they fill, the form objects, the
// settings, the client, and the pages "Preview Return" generated (deleted with the wizard).
// A return carried forward from the client's last stored one also has what it takes from it
// (the hints beside the amount fields and the last summary) and what its steps start from.
struct ReturnWizardState {
    ReturnRecord& record;
    FormSet& forms;
    ReturnWizardSettings settings;
    ClientInfo client;
    bool locationMode = false;
    bool previewed = false;
    PageList pages;
    std::optional<CarryForward> carryForward = std::nullopt;
    StartingEntries starting = {};

    bool offersBlankForms() const { return !locationMode && settings.allowBlankForms; }
};

// Carries `carry` into the wizard: the steps start from the next period and the profile
// answers, and show the last figures beside the amount fields.
void startFromLastReturn(ReturnWizardState& state, const CarryForward& carry);
