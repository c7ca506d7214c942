#pragma once

#include "clients/ClientRecord.h"
#include "returns/FuelSales.h"
#include "returns/ReturnPeriod.h"
#include "returns/St14Section.h"
#include "returns/St1Section.h"
#include "returns/St1Worksheet.h"
#include "returns/St4Section.h"
#include "returns/St8Section.h"
#include "returns/explain/CalculationSteps.h"

#include <array>
#include <span>

// What one location of a multi-site return contributes: its location record and, once its
// wizard finished, the ST-1, worksheet, ST-14, ST-4 and ST-8 sections that wizard computed,
// the fuel sales it entered (kept with the return's stored inputs) and the steps of its
// calculations.
struct LocationResult {
    ClientLocation location{};
    bool prepared = false;
    St1Section st1;
    St1Worksheet worksheet;
    FuelSales fuelSales;
    St14Section st14;
    St4Section st4;
    St8Section st8;
    CalculationSteps steps;
};

// Copies the sections a location's wizard computes and the fuel sales it entered (ST-1,
// worksheet, fuel sales, ST-14, ST-4, ST-8) between a location's entry and a return record,
// whichever way: both keep them under the same names.
template <typename From, typename To>
void copyLocationSections(const From& from, To& to) {
    to.st1 = from.st1;
    to.worksheet = from.worksheet;
    to.fuelSales = from.fuelSales;
    to.st14 = from.st14;
    to.st4 = from.st4;
    to.st8 = from.st8;
}

// The result entries of a multi-site return, one per client location in list order, and the
// period of the whole return. Lives as long as the multi-site wizard.
struct LocationResults {
    std::array<LocationResult, kMaxLocations> entries;
    int count = 0; // listed locations
    ReturnPeriod period;

    std::span<LocationResult> listed() { return std::span(entries).first(size_t(count)); }
    std::span<const LocationResult> listed() const {
        return std::span(entries).first(size_t(count));
    }
};

// Clears every entry and binds the client's locations (at most 40) to the first entries.
void bindLocations(LocationResults& results, const ClientRecord& client);

// Whether every listed location has been prepared.
bool allLocationsPrepared(const LocationResults& results);

// The number a location shows in the list and prints on ST-2: its stored `locationNumber`, or
// its position in the list counted from 1 when none is stored.
int locationDisplayNumber(const ClientLocation& location, int row);
