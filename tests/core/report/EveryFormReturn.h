#pragma once

#include "core/returns/ReturnTestRecord.h"
#include "platform/FixedText.h"

// The worked example for a client of Acme Grocery Inc who files ST-14, ST-4 and ST-8: February
// (computed in March 2005, on time), total receipts of 10,000 with 2,000 of food, 500 sold for
// resale and 40 tires sold. Not yet computed.
inline std::unique_ptr<ReturnRecord> everyFormReturn() {
    std::unique_ptr<ReturnRecord> record = returnWithRates("08750", "02250");
    FixedText::set(record->client.businessName, "Acme Grocery Inc");
    FixedText::set(record->client.ibtNumber, "1234-5678");
    record->client.filesST14 = record->client.filesST4 = record->client.filesST8 = 1;
    record->period.monthIndex = 1;
    record->st1.totalReceipts = 10000.00;
    record->st1.foodSalesInside = 2000.00;
    record->worksheet.resale = 500;
    record->st8.tiresSold = 40;
    return record;
}
