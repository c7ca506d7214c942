#pragma once

#include "clients/ClientRecord.h"
#include "returns/FuelSales.h"
#include "returns/GasoholWorksheet.h"
#include "returns/ReturnPeriod.h"
#include "returns/ReturnSummary.h"
#include "returns/St14Section.h"
#include "returns/St1Section.h"
#include "returns/St1Worksheet.h"
#include "returns/St4Section.h"
#include "returns/St8Section.h"

// One return: the period, a copy of the client, what the wizard pages entered and what the
// calculations derived from it. A new record is in the reset state.
struct ReturnRecord {
    ReturnPeriod period;
    ClientRecord client; // an empty client until takeClient
    St1Section st1;
    St1Worksheet worksheet;
    FuelSales fuelSales;
    GasoholWorksheet gasoholWorksheet;
    St14Section st14;
    St4Section st4;
    St8Section st8;
    ReturnSummary summary;
    ReturnTexts texts;

    ReturnRecord();
};

// The program's one current return: "New Return" resets it, the wizard fills it, and it keeps
// the last return until the next reset.
ReturnRecord& currentReturn();

// Back to the reset state: default period, every amount and line 0, every text empty, an
// empty client.
void resetReturn(ReturnRecord& record);
void takeClient(ReturnRecord& record, const ClientRecord& client);
void setPeriod(ReturnRecord& record, const ReturnPeriod& period);
