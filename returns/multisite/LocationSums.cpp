#include "returns/multisite/LocationSums.h"

#include "returns/MotorFuel.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"

namespace {
using F = Figure;

struct SummedLine {
    Dollars St1Lines::*line;
    Figure figure;
};

constexpr SummedLine kSummedLines[] = {
    {&St1Lines::lineA, F::St1LineA},     {&St1Lines::line1, F::St1Line1},
    {&St1Lines::line2, F::St1Line2},     {&St1Lines::line3, F::St1Line3},
    {&St1Lines::line4a, F::St1Line4a},   {&St1Lines::line4b, F::St1Line4b},
    {&St1Lines::line5a, F::St1Line5a},   {&St1Lines::line5b, F::St1Line5b},
    {&St1Lines::line6a, F::St1Line6a},   {&St1Lines::line6b, F::St1Line6b},
    {&St1Lines::line7a, F::St1Line7a},   {&St1Lines::line7b, F::St1Line7b},
    {&St1Lines::line8a, F::St1Line8a},   {&St1Lines::line8b, F::St1Line8b},
    {&St1Lines::line9, F::St1Line9},     {&St1Lines::line10, F::St1Line10},
    {&St1Lines::line11, F::St1Line11},   {&St1Lines::line12a, F::St1Line12a},
    {&St1Lines::line12b, F::St1Line12b}, {&St1Lines::line13a, F::St1Line13a},
    {&St1Lines::line13b, F::St1Line13b}, {&St1Lines::line14a, F::St1Line14a},
    {&St1Lines::line14b, F::St1Line14b}, {&St1Lines::line15, F::St1Line15},
    {&St1Lines::line16, F::St1Line16},   {&St1Lines::line16a, F::St1Line16a},
    {&St1Lines::line17, F::St1Line17},   {&St1Lines::line18, F::St1Line18},
    {&St1Lines::line19, F::St1Line19},   {&St1Lines::line20, F::St1Line20},
    {&St1Lines::line21, F::St1Line21},   {&St1Lines::line22, F::St1Line22},
    {&St1Lines::line23, F::St1Line23},   {&St1Lines::line24, F::St1Line24},
    {&St1Lines::line25, F::St1Line25}};

// Items 1a to 1d, 3 to 6, the ten motor fuel amounts, 9a to 9c, 10 to 16d, 17, the five
// gallon counts of item 7 and the home rule fuel tax. Items 16d and 17 are summed as well but
// then derived from the summed items, which is what their steps tell.
struct SummedItem {
    Dollars St1Worksheet::*item;
    Figure figure;
    bool derivedAfterwards = false;
};

constexpr SummedItem kSummedItems[] = {{&St1Worksheet::taxGeneralRetail, F::Item1a},
                                       {&St1Worksheet::taxGeneralService, F::Item1b},
                                       {&St1Worksheet::taxFoodRetail, F::Item1c},
                                       {&St1Worksheet::taxFoodService, F::Item1d},
                                       {&St1Worksheet::resale, F::Item3},
                                       {&St1Worksheet::interstateCommerce, F::Item4},
                                       {&St1Worksheet::cashRefunds, F::Item5},
                                       {&St1Worksheet::newspapersMagazines, F::Item6},
                                       {&St1Worksheet::item7b, F::Item7b},
                                       {&St1Worksheet::item7d, F::Item7d},
                                       {&St1Worksheet::item7f, F::Item7f},
                                       {&St1Worksheet::item7h, F::Item7h},
                                       {&St1Worksheet::item7j, F::Item7j},
                                       {&St1Worksheet::item8b, F::Item8b},
                                       {&St1Worksheet::item8d, F::Item8d},
                                       {&St1Worksheet::item8f, F::Item8f},
                                       {&St1Worksheet::item8h, F::Item8h},
                                       {&St1Worksheet::item8j, F::Item8j},
                                       {&St1Worksheet::repairs, F::Item9a},
                                       {&St1Worksheet::prescriptions, F::Item9b},
                                       {&St1Worksheet::otherService, F::Item9c},
                                       {&St1Worksheet::exemptOrganizations, F::Item10},
                                       {&St1Worksheet::foodStamps, F::Item11},
                                       {&St1Worksheet::enterpriseZone, F::Item12},
                                       {&St1Worksheet::manufacturingMachinery, F::Item13},
                                       {&St1Worksheet::farmMachinery, F::Item14},
                                       {&St1Worksheet::graphicArtsMachinery, F::Item15},
                                       {&St1Worksheet::otherDeduction1, F::Item16a},
                                       {&St1Worksheet::otherDeduction2, F::Item16b},
                                       {&St1Worksheet::localTaxes, F::Item16c},
                                       {&St1Worksheet::tireAndFuelFees, F::Item16d, true},
                                       {&St1Worksheet::totalDeductions, F::Item17, true},
                                       {&St1Worksheet::item7a, F::Item7a},
                                       {&St1Worksheet::item7c, F::Item7c},
                                       {&St1Worksheet::item7e, F::Item7e},
                                       {&St1Worksheet::item7g, F::Item7g},
                                       {&St1Worksheet::item7i, F::Item7i},
                                       {&St1Worksheet::homeRuleFuelTax, F::HomeRuleFuelTax}};

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

void addLocation(ReturnRecord& record, const LocationResult& location, int row,
                 StepRecorder steps) {
    for (const SummedLine& summed : kSummedLines) {
        const Dollars added = location.st1.*summed.line;
        record.st1.*summed.line += added;
        steps.addToSum(summed.figure, row, added, record.st1.*summed.line);
    }
    for (const SummedItem& summed : kSummedItems) {
        const Dollars added = location.worksheet.*summed.item;
        record.worksheet.*summed.item += added;
        if (!summed.derivedAfterwards)
            steps.addToSum(summed.figure, row, added, record.worksheet.*summed.item);
    }
    for (const auto description : kJoinedDescriptions)
        joinDescription(record.worksheet.*description, location.worksheet.*description);
    record.st8.st8WorksheetAmount += location.st8.st8WorksheetAmount;
    steps.addToSum(F::St8WorksheetAmount, row, location.st8.st8WorksheetAmount,
                   record.st8.st8WorksheetAmount);
}
} // namespace

void sumLocations(ReturnRecord& record, std::span<const LocationResult> locations,
                  StepRecorder steps) {
    steps.note(F::St1Line10, StepNote::LocationSum);
    for (size_t row = 0; row < locations.size(); ++row)
        addLocation(record, locations[row], int(row), steps);
    St1Worksheet& sheet = record.worksheet;
    setExemptionReceipts(sheet, steps);
    totalWorksheet(sheet, sheet.localTaxes, record.st8.st8WorksheetAmount, steps);
    sheet.item2(steps);
    sheet.item18(steps);
    setSummary(record.summary, record.st1);
}
