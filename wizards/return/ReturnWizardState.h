#pragma once

#include "clients/ClientRecord.h"
#include "forms/PageEntry.h"
#include "wizards/return/ReturnWizardSettings.h"

#include <QJsonObject>

struct FormSet;
struct ReturnRecord;

// What the steps of one return wizard share: the return they fill, the form objects, the
// settings, the client, the pages "Preview Return" generated (deleted with the wizard), and the
// entry sections the steps start from (EntryFields::startFrom).
struct ReturnWizardState {
    ReturnRecord& record;
    FormSet& forms;
    ReturnWizardSettings settings;
    ClientInfo client;
    bool locationMode = false;
    bool previewed = false;
    PageList pages;
    QJsonObject startEntries{};

    bool offersBlankForms() const { return !locationMode && settings.allowBlankForms; }
};
