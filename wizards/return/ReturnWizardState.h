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
    // Forgets the last preview: deletes its page files and clears the flag, so Finish offers
    // to store only pages generated from the figures on the summary. Both wizards do it when
    // the preparer goes back from the summary, the only way to change a figure after a
    // preview.
    void discardPreview();
};
