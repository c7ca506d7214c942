#include "returns/multisite/LocationSums.h"

#include "returns/MotorFuel.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"

namespace {
constexpr Dollars St1Lines::*kSummedLines[] = {
    &St1Lines::lineA,   &St1Lines::line1,   &St1Lines::line2,   &St1Lines::line3,
    &St1Lines::line4a,  &St1Lines::line4b,  &St1Lines::line5a,  &St1Lines::line5b,
    &St1Lines::line6a,  &St1Lines::line6b,  &St1Lines::line7a,  &St1Lines::line7b,
    &St1Lines::line8a,  &St1Lines::line8b,  &St1Lines::line9,   &St1Lines::line10,
    &St1Lines::line11,  &St1Lines::line12a, &St1Lines::line12b, &St1Lines::line13a,
    &St1Lines::line13b, &St1Lines::line14a, &St1Lines::line14b, &St1Lines::line15,
    &St1Lines::line16,  &St1Lines::line16a, &St1Lines::line17,  &St1Lines::line18,
    &St1Lines::line19,  &St1Lines::line20,  &St1Lines::line21,  &St1Lines::line22,
    &St1Lines::line23,  &St1Lines::line24,  &St1Lines::line25};

// Items 1a to 1d, 3 to 6, the ten motor fuel amounts, 9a to 9c, 10 to 16d, 17, the five
// gallon counts of item 7 and the home rule fuel tax.
constexpr Dollars St1Worksheet::*kSummedItems[] = {&St1Worksheet::taxGeneralRetail,
                                                   &St1Worksheet::taxGeneralService,
                                                   &St1Worksheet::taxFoodRetail,
                                                   &St1Worksheet::taxFoodService,
                                                   &St1Worksheet::resale,
                                                   &St1Worksheet::interstateCommerce,
                                                   &St1Worksheet::cashRefunds,
                                                   &St1Worksheet::newspapersMagazines,
                                                   &St1Worksheet::item7b,
                                                   &St1Worksheet::item7d,
                                                   &St1Worksheet::item7f,
                                                   &St1Worksheet::item7h,
                                                   &St1Worksheet::item7j,
                                                   &St1Worksheet::item8b,
                                                   &St1Worksheet::item8d,
                                                   &St1Worksheet::item8f,
                                                   &St1Worksheet::item8h,
                                                   &St1Worksheet::item8j,
                                                   &St1Worksheet::repairs,
                                                   &St1Worksheet::prescriptions,
                                                   &St1Worksheet::otherService,
                                                   &St1Worksheet::exemptOrganizations,
                                                   &St1Worksheet::foodStamps,
                                                   &St1Worksheet::enterpriseZone,
                                                   &St1Worksheet::manufacturingMachinery,
                                                   &St1Worksheet::farmMachinery,
                                                   &St1Worksheet::graphicArtsMachinery,
                                                   &St1Worksheet::otherDeduction1,
                                                   &St1Worksheet::otherDeduction2,
                                                   &St1Worksheet::localTaxes,
                                                   &St1Worksheet::tireAndFuelFees,
                                                   &St1Worksheet::totalDeductions,
                                                   &St1Worksheet::item7a,
                                                   &St1Worksheet::item7c,
                                                   &St1Worksheet::item7e,
                                                   &St1Worksheet::item7g,
                                                   &St1Worksheet::item7i,
                                                   &St1Worksheet::homeRuleFuelTax};

constexpr QString St1Worksheet::*kJoinedDescriptions[] = {
    &St1Worksheet::otherServiceDescription, &St1Worksheet::otherDeduction1Description,
    &St1Worksheet::otherDeduction2Description};

void joinDescription(QString& joined, const QString& description) {
    if (description.isEmpty())
        return;
    if (!joined.isEmpty())
        joined += QLatin1Char(',');
    joined += description;
}

void addLocation(ReturnRecord& record, const LocationResult& location) {
    for (const auto line : kSummedLines)
        record.st1.*line += location.st1.*line;
    for (const auto item : kSummedItems)
        record.worksheet.*item += location.worksheet.*item;
    for (const auto description : kJoinedDescriptions)
        joinDescription(record.worksheet.*description, location.worksheet.*description);
    record.st8.st8WorksheetAmount += location.st8.st8WorksheetAmount;
}
} // namespace

void sumLocations(ReturnRecord& record, std::span<const LocationResult> locations) {
    for (const LocationResult& location : locations)
        addLocation(record, location);
    St1Worksheet& sheet = record.worksheet;
    setExemptionReceipts(sheet);
    totalWorksheet(sheet, sheet.localTaxes, record.st8.st8WorksheetAmount);
    setSummary(record.summary, record.st1);
}
