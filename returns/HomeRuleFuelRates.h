#pragma once

#include "clients/ClientRecord.h"

// Home rule (municipal) fuel tax per gallon, in dollars, by the client's home rule category.
struct HomeRuleFuelRates {
    double gasoline = 0;
    double gasohol = 0; // gasohol and majority blended ethanol fuel
    double diesel = 0;  // diesel, biodiesel and biodiesel blends
    double dieselhol = 0;
    double specialFuels = 0;
};

// Categories 0 and 1: 11 cents on gasoline and gasohol, 5 cents on diesel; category 2:
// 6 cents on gasoline and gasohol; 3 to 5: none; 6: the cents the preparer typed for each
// fuel. Any other value has no home rule fuel tax.
HomeRuleFuelRates homeRuleFuelRates(const MotorFuelProfile& profile);
