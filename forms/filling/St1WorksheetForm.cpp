#include "forms/filling/St1WorksheetForm.h"

#include "forms/filling/FieldTableRows.h"
#include "forms/filling/FormTexts.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"

namespace {
using FieldTableRows::row;
using FieldText::CentsGroup;

FormField st1Page2Fields[] = {
    row(0, "111111111111105"),
    row(1, "111111111111106"), // item 1b, never written
    row(2, "111111111111107"),
    row(3, "111111111111108"), // item 1d, never written
    row(4, "111111111111109"),
    row(5, "111111111111110"),
    row(6, "111111111111111"),
    row(7, "111111111111112"),
    row(8, "111111111111113"),
    row(9, "111111111111119"),
    row(10, "111111111111120"),
    row(11, "111111111111121"),
    row(12, "111111111111122"),
    row(13, "111111111111123"),
    row(14, "211111111111124"),
    row(15, "111111111111124"),
    row(16, "211111111111195"),
    row(17, "111111111111195"),
    row(18, "211111111111196"),
    row(19, "111111111111196"),
    row(20, "211111111111197"),
    row(21, "111111111111197"),
    row(22, "211111111111198"),
    row(23, "111111111111198"),
    row(24, "111111111111125"),
    row(25, "111111111111126"),
    row(26, "111111111111127"),
    row(27, "111111111111128"),
    row(28, "111111111111129"),
    row(29, "111111111111130"),
    row(30, "111111111111131"),
    row(31, "111111111111132"),
    row(32, "111111111111133"),
    row(33, "111111111111134"),
    row(34, "111111111111135"),
    row(35, "111111111111136"),
    row(36, "111111111111137"),
    row(37, "111111111111138"),
    row(38, "111111111111139"),
    row(39, "111111111111101"),
    row(40, "111111111111102"),
    row(41, "111111111111103"),
    row(42, "111111111111104"),
    row(43, "111111111111114"),
    row(44, "111111111111115"),
    row(45, "111111111111116"),
    row(46, "111111111111117"),
    row(47, "111111111111118"),
    row(48, "111111111111162111111111111163111111111111164"),
    row(49, "111111111111147111111111111148111111111111149"),
    row(50, "111111111111151111111111111152111111111111153"),
    row(51, "111111111111155111111111111156111111111111157"),
    row(52, "111111111111159111111111111160111111111111161"),
    row(53, "111111111111170111111111111171111111111111172"),
    row(54, "111111111111173111111111111174111111111111175"),
    row(55, "111111111111176111111111111177111111111111178"),
    row(56, "111111111111179111111111111180111111111111181"),
    row(57, "111111111111182"), // never written
};

// How a worksheet item prints: an amount, a number of gallons, or the receipts beside an
// exemption of item 8.
enum class ItemStyle { Amount, Gallons, Receipts };

// The exemption rates printed on the form: the receipts of item 8 are each exemption divided by
// its rate.
constexpr double kPartlyExempt = 0.20;
constexpr double kFullyExempt = 1.00;

struct ItemKey {
    int key;
    Dollars St1Worksheet::*item; // for receipts, the exemption they are derived from
    ItemStyle style;
    double exemptionRate = 0;
};

// Items 3 to 6, the motor fuel lines 7a to 8j and items 9a to 9c, in the order they are written.
constexpr ItemKey kItemsThroughMotorFuel[] = {
    {5, &St1Worksheet::resale, ItemStyle::Amount},
    {6, &St1Worksheet::interstateCommerce, ItemStyle::Amount},
    {7, &St1Worksheet::cashRefunds, ItemStyle::Amount},
    {8, &St1Worksheet::newspapersMagazines, ItemStyle::Amount},
    {43, &St1Worksheet::item7a, ItemStyle::Gallons},
    {9, &St1Worksheet::item7b, ItemStyle::Amount},
    {44, &St1Worksheet::item7c, ItemStyle::Gallons},
    {10, &St1Worksheet::item7d, ItemStyle::Amount},
    {45, &St1Worksheet::item7e, ItemStyle::Gallons},
    {11, &St1Worksheet::item7f, ItemStyle::Amount},
    {46, &St1Worksheet::item7g, ItemStyle::Gallons},
    {12, &St1Worksheet::item7h, ItemStyle::Amount},
    {47, &St1Worksheet::item7i, ItemStyle::Gallons},
    {13, &St1Worksheet::item7j, ItemStyle::Amount},
    {14, &St1Worksheet::item8b, ItemStyle::Receipts, kPartlyExempt},
    {15, &St1Worksheet::item8b, ItemStyle::Amount},
    {16, &St1Worksheet::item8d, ItemStyle::Receipts, kPartlyExempt},
    {17, &St1Worksheet::item8d, ItemStyle::Amount},
    {18, &St1Worksheet::item8f, ItemStyle::Receipts, kFullyExempt},
    {19, &St1Worksheet::item8f, ItemStyle::Amount},
    {20, &St1Worksheet::item8h, ItemStyle::Receipts, kFullyExempt},
    {21, &St1Worksheet::item8h, ItemStyle::Amount},
    {22, &St1Worksheet::item8j, ItemStyle::Receipts, kFullyExempt},
    {23, &St1Worksheet::item8j, ItemStyle::Amount},
    {24, &St1Worksheet::repairs, ItemStyle::Amount},
    {25, &St1Worksheet::prescriptions, ItemStyle::Amount},
    {26, &St1Worksheet::otherService, ItemStyle::Amount}};

// Items 10 to 16d.
constexpr ItemKey kItemsThroughOtherDeductions[] = {
    {27, &St1Worksheet::exemptOrganizations, ItemStyle::Amount},
    {28, &St1Worksheet::foodStamps, ItemStyle::Amount},
    {29, &St1Worksheet::enterpriseZone, ItemStyle::Amount},
    {30, &St1Worksheet::manufacturingMachinery, ItemStyle::Amount},
    {31, &St1Worksheet::farmMachinery, ItemStyle::Amount},
    {32, &St1Worksheet::graphicArtsMachinery, ItemStyle::Amount},
    {33, &St1Worksheet::otherDeduction1, ItemStyle::Amount},
    {34, &St1Worksheet::otherDeduction2, ItemStyle::Amount},
    {35, &St1Worksheet::localTaxes, ItemStyle::Amount},
    {36, &St1Worksheet::tireAndFuelFees, ItemStyle::Amount}};

struct DescriptionKey {
    int key;
    QString St1Worksheet::*description;
};

// The descriptions of items 16a to 16d.
const DescriptionKey kOtherDeductionDescriptions[] = {
    {49, &St1Worksheet::otherDeduction1Description},
    {50, &St1Worksheet::otherDeduction2Description},
    {51, &St1Worksheet::item16cDescription},
    {52, &St1Worksheet::item16dDescription}};

constexpr std::array<int, 4> kAddressKeys = {53, 54, 55, 56};

void writeItems(FieldWriter& writer, const St1Worksheet& sheet, std::span<const ItemKey> items) {
    for (const ItemKey& item : items) {
        const Dollars value = sheet.*item.item;
        switch (item.style) {
        case ItemStyle::Amount:
            writer.amount(item.key, value, CentsGroup::Divided);
            break;
        case ItemStyle::Gallons:
            writer.amount(item.key, value, CentsGroup::Whole);
            break;
        case ItemStyle::Receipts:
            // Whole dollars, printed with two decimals and left-aligned.
            writer.text(item.key, cFormat("%.2f", static_cast<double>(roundDollars(
                                                               static_cast<double>(value) /
                                                               item.exemptionRate))));
            break;
        }
    }
}
} // namespace

St1WorksheetForm::St1WorksheetForm() : FilledForm(st1Page2Fields) {}

bool St1WorksheetForm::fill(ReturnRecord& record, Totals totals) {
    if (totals == Totals::Compute)
        worksheetTotal(record);
    const St1Worksheet& sheet = record.worksheet;
    const ClientRecord& client = record.client;
    FieldWriter writer = beginFill();
    writer.text(39, FormTexts::recordText(client.ibtNumber));
    writer.text(40, FormTexts::recordText(client.locationCode));
    writer.text(41, FormTexts::recordText(client.kobNumber));
    FormTexts::writeAddressBlock(writer, client, kAddressKeys);
    writer.amount(0, sheet.taxGeneralRetail, CentsGroup::Divided);
    writer.amount(2, sheet.taxFoodRetail, CentsGroup::Divided);
    writer.amount(4, sheet.item2(), CentsGroup::Divided);
    writeItems(writer, sheet, kItemsThroughMotorFuel);
    writer.text(48, sheet.otherServiceDescription);
    writeItems(writer, sheet, kItemsThroughOtherDeductions);
    for (const DescriptionKey& description : kOtherDeductionDescriptions)
        writer.text(description.key, sheet.*description.description);
    writer.amount(37, sheet.totalDeductions, CentsGroup::Divided);
    writer.amount(38, sheet.item18(), CentsGroup::Divided);
    writer.text(42, record.texts.periodCode);
    return endFill(writer);
}
