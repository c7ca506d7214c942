#pragma once

#include "returns/returnwizard/AmountsPage.h"
#include "returns/returnwizard/MethodPage.h"

// The amount steps of the return wizard: what each shows, where its figures go on the forms
// and where Next stores them.
namespace AmountPageSpecs {
AmountsPageSpec salesOutside();        // 280
AmountsPageSpec priorRates();          // 281
AmountsPageSpec resaleDeductions();    // 283
AmountsPageSpec motorFuel();           // 284
AmountsPageSpec serviceDeductions();   // 285
AmountsPageSpec exemptDeductions();    // 286
AmountsPageSpec machineryDeductions(); // 287
AmountsPageSpec otherDeductions();     // 288
AmountsPageSpec purchases();           // 289
AmountsPageSpec netTaxDue();           // 290
AmountsPageSpec excessTax();           // 291
MethodPage::Spec softDrinkTax();       // 293
MethodPage::Spec mpeaTax();            // 294
AmountsPageSpec mpeaPayments();        // 295
AmountsPageSpec tireFee();             // 296
} // namespace AmountPageSpecs
