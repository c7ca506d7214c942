#pragma once

#include "clients/ClientRecord.h"
#include "forms/PageEntry.h"
#include "returns/inputs/CarryForward.h"
#include "wizards/return/ReturnWizardSettings.h"

#include <QJsonObject>
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
    QJsonObject startEntries{};
    std::optional<CarryForward> carryForward = std::nullopt;

    bool offersBlankForms() const { return !locationMode && settings.allowBlankForms; }
    // Forgets the last preview: drops its pages and clears the flag, so Finish offers
    // to store only pages generated from the figures on the summary. Both wizards do it when
    // the preparer goes back from the summary, the only way to change a figure after a
    // preview.
    void discardPreview();
};

// Carries `carry` into the wizard: the steps start from the next period and the profile
// answers, and show the last figures beside the amount fields.
void startFromLastReturn(ReturnWizardState& state, const CarryForward& carry);
