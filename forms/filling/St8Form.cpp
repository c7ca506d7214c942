#include "forms/filling/St8Form.h"

#include "forms/filling/FieldTableRows.h"
#include "forms/filling/FormPeriods.h"
#include "forms/filling/FormTexts.h"
#include "forms/filling/SignatureFields.h"
#include "platform/Clock.h"
#include "returns/LocalReturns.h"
#include "returns/ReturnRecord.h"

namespace {
using FieldTableRows::row;

// The rows stand in the order of the form's table, which lists the keys out of order.
FormField st8Fields[] = {
    row(0, "111111111111190"),
    row(3, "111111111111147111111111111148111111111111149"),
    row(4, "111111111111155111111111111156111111111111157"),
    row(5, "111111111111162111111111111163111111111111164"),
    row(6, "111111111111116"),
    row(7, "111111111111124"),
    row(8, "111111111111125"),
    row(18, "111111111111131"),
    row(9, "111111111111126"),
    row(19, "111111111111132"),
    row(10, "111111111111127"),
    row(20, "111111111111133"),
    row(11, "111111111111128"),
    row(21, "111111111111134"),
    row(12, "111111111111129"),
    row(13, "111111111111130"),
    row(14, "111111111111104"),
    row(15, "111111111111105"),
    row(22, "111111111111138"),
    row(16, "111111111111106"),
    row(23, "111111111111139"),
    row(17, "111111111111107"),
    row(24, "111111111111140"),
    row(25, "111111111111141"),
    row(26, "111111111111142"),
    row(1, "22222222222"),
    row(2, "33333333333"),
};

constexpr int kFirstLineKey = 7; // lines 1 to 15 are keys 7 to 21
constexpr int kLines = 15;
constexpr int kTireCountLines = 3; // lines 1 to 3 count tires
constexpr int kVoucherKey = 26;

constexpr FormTexts::FixedAddressKeys kAddressKeys = {3, 4, std::nullopt, 5, 6};
constexpr SignatureFields::Keys kSignatureKeys = {22, 23, 24, 25};
constexpr char kSignatureDate[] = "   %02d %02d %04d";

std::array<Dollars, kLines> linesOf(const St8Section& st8) {
    return {st8.line1,  st8.line2,  st8.line3,  st8.line4,  st8.line5,
            st8.line6,  st8.line7,  st8.line8,  st8.line9,  st8.line10,
            st8.line11, st8.line12, st8.line13, st8.line14, st8.line15};
}
} // namespace

St8Form::St8Form() : FilledForm(st8Fields) {}

bool St8Form::fill(ReturnRecord& record, const FillContext& context) {
    computeSt8(record);
    const ClientRecord& client = record.client;
    FieldWriter writer = beginFill();
    writer.text(0, FormTexts::recordText(client.ibtNumber));
    FormTexts::writeFixedAddress(writer, client, kAddressKeys);
    SignatureFields::writeAll(writer, kSignatureKeys, FormTexts::recordText(client.phone), context,
                              kSignatureDate);
    const PeriodBoxes period = FormPeriods::st8Period(record.period, Clock::today());
    writer.text(1, period.from);
    writer.text(2, period.through);
    const std::array<Dollars, kLines> lines = linesOf(record.st8);
    for (int line = 0; line < kLines; ++line)
        writer.amount(kFirstLineKey + line, lines[size_t(line)],
                      line < kTireCountLines ? FieldText::CentsGroup::Whole
                                             : FieldText::CentsGroup::Divided);
    writer.amount(kVoucherKey, record.st8.line15, FieldText::CentsGroup::Divided);
    return endFill(writer);
}
