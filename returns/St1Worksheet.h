#pragma once

#include "returns/RoundDollars.h"
#include "returns/explain/StepRecorder.h"

#include <QString>

// Worksheet items 7 and 8 (state motor fuel tax and the specific fuels exemption) and the
// home rule fuel tax that goes into item 16d.
struct MotorFuelItems {
    Dollars item7a = 0, item7b = 0; // gasoline: gallons, tax
    Dollars item7c = 0, item7d = 0; // gasohol and majority blended ethanol fuel
    Dollars item7e = 0, item7f = 0; // diesel with biodiesel and its blends
    Dollars item7g = 0, item7h = 0; // dieselhol
    Dollars item7i = 0, item7j = 0; // other special fuels
    Dollars item8a = 0, item8b = 0; // gasohol: receipts, exemption
    Dollars item8c = 0, item8d = 0; // biodiesel blend 90-99 % petroleum
    Dollars item8e = 0, item8f = 0; // biodiesel blend 1-89 % petroleum
    Dollars item8g = 0, item8h = 0; // 100 % biodiesel
    Dollars item8i = 0, item8j = 0; // majority blended ethanol fuel
    Dollars homeRuleFuelTax = 0;
};

// The ST-1 worksheet for line 2, in whole dollars. Entered deductions are rounded when their
// page is left.
struct St1Worksheet : MotorFuelItems {
    Dollars taxGeneralRetail = 0;    // 1a
    Dollars taxGeneralService = 0;   // 1b, always 0
    Dollars taxFoodRetail = 0;       // 1c
    Dollars taxFoodService = 0;      // 1d, always 0
    Dollars resale = 0;              // 3
    Dollars interstateCommerce = 0;  // 4
    Dollars cashRefunds = 0;         // 5
    Dollars newspapersMagazines = 0; // 6
    Dollars repairs = 0;             // 9a
    Dollars prescriptions = 0;       // 9b
    Dollars otherService = 0;        // 9c
    QString otherServiceDescription;
    Dollars exemptOrganizations = 0;    // 10
    Dollars foodStamps = 0;             // 11
    Dollars enterpriseZone = 0;         // 12
    Dollars manufacturingMachinery = 0; // 13
    Dollars farmMachinery = 0;          // 14
    Dollars graphicArtsMachinery = 0;   // 15
    Dollars otherDeduction1 = 0;        // 16a
    QString otherDeduction1Description;
    Dollars otherDeduction2 = 0; // 16b
    QString otherDeduction2Description;
    Dollars localTaxes = 0; // 16c: soft drink tax and MPEA tax
    QString item16cDescription;
    Dollars tireAndFuelFees = 0; // 16d: tire user fee and home rule fuel tax
    QString item16dDescription;
    Dollars totalDeductions = 0; // 17

    // Printed but not stored: item 2 (taxes collected) and item 18 (item 17 plus item 2).
    Dollars item2(StepRecorder steps = {}) const {
        return steps.value(Figure::Item2, term(Figure::Item1a, taxGeneralRetail) +
                                              term(Figure::Item1c, taxFoodRetail));
    }
    Dollars item18(StepRecorder steps = {}) const {
        return steps.value(Figure::Item18,
                           term(Figure::Item17, totalDeductions) + term(Figure::Item2, item2()));
    }
};
