#include "forms/filling/GasoholWorksheetForm.h"

#include "forms/filling/FieldTableRows.h"
#include "forms/filling/FormTexts.h"
#include "returns/ReturnRecord.h"

namespace {
using FieldTableRows::letters;
using FieldTableRows::row;

FormField gasoholFields[] = {
    row(0, "111111111111192111111111111193"),
    row(1, "111111111111183"),
    letters(2, 'A', 41),
    row(3, "111111111111101"),
    letters(4, 'B', 89),
    letters(5, 'C', 89),
    letters(6, 'D', 89),
    letters(7, 'E', 89),
    letters(8, 'F', 89),
    // Six characters, so a sales tax rate of 10 percent or more ("10.250") fits.
    row(9, "111160"),
    row(10, "11162"),
};

// The division sign of Windows-1252 (0xF7), the same code unit in the field.
constexpr char kDivisionSign = '\xF7';
} // namespace

GasoholWorksheetForm::GasoholWorksheetForm() : FilledForm(gasoholFields) {}

bool GasoholWorksheetForm::fill(const ReturnRecord& record) {
    const GasoholWorksheet& sheet = record.gasoholWorksheet;
    const long long gallons = sheet.gallons;
    FieldWriter writer = beginFill();
    writer.text(0, record.texts.periodText);
    writer.text(1, FormTexts::recordText(record.client.ibtNumber));
    writer.text(2, FormTexts::recordText(record.client.businessName));
    writer.text(3, cFormat("%.2f", sheet.receipts));
    writer.text(4, cFormat("%lld gallons X $%.4f per gallon = $%.2f", gallons, sheet.stateRate,
                         sheet.stateTax));
    writer.text(5, cFormat("%lld gallons X $%.4f per gallon = $%.2f", gallons, sheet.homeRuleRate,
                         sheet.homeRuleTax));
    writer.text(6, cFormat("$%.2f - $%.2f - $%.2f  = $%.2f", sheet.receipts, sheet.stateTax,
                         sheet.homeRuleTax, sheet.net));
    writer.text(
        7, cFormat("$%.2f %c $%.5f = $%.2f", sheet.net, kDivisionSign, sheet.divisor, sheet.base));
    writer.text(8, cFormat("$%.2f X $%.4f = $%.2f", sheet.base, sheet.exemptShare, sheet.exemption));
    writer.text(9, cFormat("%.3f", sheet.ratePercent));
    writer.text(10, cFormat("%.3f", sheet.exemptShare));
    return endFill(writer);
}
