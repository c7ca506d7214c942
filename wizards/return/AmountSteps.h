#pragma once

#include "wizards/return/AmountsPage.h"
#include "wizards/return/MethodPage.h"

// The amount steps of the return wizard: what each shows, where its figures go on the forms
// and where Next stores them.
namespace AmountSteps {
AmountsStep salesOutside();             // 280
AmountsStep priorRates();               // 281
AmountsStep resaleDeductions();         // 283
AmountsStep motorFuel();                // 284
AmountsStep serviceDeductions();        // 285
AmountsStep exemptDeductions();         // 286
AmountsStep machineryDeductions();      // 287
AmountsStep otherDeductions();          // 288
AmountsStep purchases();                // 289
AmountsStep netTaxDue();                // 290
AmountsStep excessTax();                // 291
MethodPage::Description softDrinkTax(); // 293
MethodPage::Description mpeaTax();      // 294
AmountsStep mpeaPayments();             // 295
AmountsStep tireFee();                  // 296
} // namespace AmountSteps
