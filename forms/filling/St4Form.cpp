#include "forms/filling/St4Form.h"

#include "forms/filling/FieldTableRows.h"
#include "forms/filling/FormPeriods.h"
#include "forms/filling/FormTexts.h"
#include "forms/filling/SignatureFields.h"
#include "platform/Clock.h"
#include "returns/LocalReturns.h"
#include "returns/ReturnRecord.h"

namespace {
using FieldTableRows::row;

FormField st4Fields[] = {
    row(0, "111111111111190"),
    row(1, "111111111111191"),
    row(2, "111111111111192"),
    row(3, "111111111111147111111111111148111111111111149"),
    row(4, "111111111111151111111111111152111111111111153"),
    row(5, "111111111111155111111111111156111111111111157"),
    row(6, "111111111111162111111111111163111111111111164"),
    row(7, "111111111111116"),
    row(8, "111111111111105"),
    row(9, "111111111111106"),
    row(10, "111111111111113"),
    row(11, "111111111111119"),
    row(12, "111111111111107"),
    row(13, "111111111111120"),
    row(14, "111111111111108"),
    row(15, "111111111111121"),
    row(16, "111111111111122"),
    row(17, "111111111111123"),
    row(18, "111111111111109"),
    row(19, "111111111111124"),
    row(20, "111111111111110"),
    row(21, "111111111111111"),
    row(22, "111111111111128"),
    row(23, "111111111111126"),
    row(24, "111111111111112"),
    row(25, "111111111111129"),
    row(26, "111111111111127"),
    row(27, "111111111111125"),
};

struct LineKey {
    int key;
    Dollars St4Section::*line;
};

// Lines 1 to 15 by key, in the order they are written; key 27 is the voucher's line 15.
constexpr LineKey kLineKeys[] = {
    {8, &St4Section::line1},   {9, &St4Section::line2},   {10, &St4Section::line9},
    {11, &St4Section::line10}, {12, &St4Section::line3},  {13, &St4Section::line11},
    {14, &St4Section::line4},  {15, &St4Section::line12}, {16, &St4Section::line13},
    {17, &St4Section::line14}, {18, &St4Section::line5},  {19, &St4Section::line15},
    {20, &St4Section::line6},  {21, &St4Section::line7},  {24, &St4Section::line8},
    {27, &St4Section::line15}};

constexpr FormTexts::FixedAddressKeys kAddressKeys = {3, 4, 5, 6, 7};
constexpr SignatureFields::Keys kSignatureKeys = {22, 23, 25, 26};
constexpr char kSignatureDate[] = "  %02d %02d %04d";
} // namespace

St4Form::St4Form() : FilledForm(st4Fields) {}

bool St4Form::fill(ReturnRecord& record, const FillContext& context) {
    computeSt4(record);
    const ClientRecord& client = record.client;
    FieldWriter writer = beginFill();
    writer.text(0, FormTexts::recordText(client.ibtNumber));
    FormTexts::writeFixedAddress(writer, client, kAddressKeys);
    for (const LineKey& line : kLineKeys)
        writer.amount(line.key, record.st4.*line.line, FieldText::CentsGroup::Decimal);
    SignatureFields::writeAll(writer, kSignatureKeys, FormTexts::recordText(client.phone), context,
                              kSignatureDate);
    const PeriodBoxes period = FormPeriods::st4Period(record.period, Clock::today());
    writer.text(1, period.from);
    writer.text(2, period.through);
    return endFill(writer);
}
