#pragma once

#include "clients/ClientRecord.h"
#include "forms/PageEntry.h"
#include "letters/LetterInputs.h"
#include "returns/RoundDollars.h"

#include <QString>
#include <memory>

struct PreparedReturn;

// What the "Preview Return" window shows and what its buttons work from: the pages in print
// order and, for a return generated in this run, its client, period and amount due. A return
// taken back from the history has only its pages and the client.
struct PreviewContext {
    PageList pages;
    ClientInfo client;        // record and client file path
    QString periodText;       // "Mar 2005"; empty for a history return
    Dollars paymentDue = -1;  // ST-1 line 25 (combined for multi-site); -1 when unknown
    bool fromHistory = false; // hides "Transmittal Letter"
    QString documentPath;     // the preview document (.doc) while the window is open
    LetterParty preparer;     // the sender of the transmittal letter
    // The return as computed, with the steps of its figures; none for a history return.
    std::shared_ptr<const PreparedReturn> prepared;

    QString clientEmail() const;
    QString businessName() const;
    // What the transmittal letter of this return is generated from, dated today.
    LetterInputs letterInputs() const;
};
