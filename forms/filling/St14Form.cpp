#include "forms/filling/St14Form.h"

#include "forms/filling/FieldTableRows.h"
#include "forms/filling/FormTexts.h"
#include "forms/filling/SignatureFields.h"
#include "returns/LocalReturns.h"
#include "returns/ReturnRecord.h"

namespace {
using FieldTableRows::letters;
using FieldTableRows::row;

FormField st14Fields[] = {
    row(0, "111111111111138"),
    row(1, "111111111111139"),
    row(2, "111111111111140"),
    row(3, "111111111111141"),
    row(4, "111111111111182"),
    row(5, "111111111111183"),
    row(6, "111111111111192111111111111193"),
    row(7, "111111111111194111111111111195"),
    letters(8, 'A', 41),
    letters(9, 'B', 41),
    letters(10, 'C', 41),
    letters(11, 'D', 41),
    row(12, "111111111111156"),
    row(13, "111111111111157"),
    row(14, "111111111111101"),
    row(15, "111111111111102"),
    row(16, "111111111111103"),
    row(17, "111111111111104"),
    row(18, "111111111111105"),
    row(19, "111111111111106"),
};

constexpr std::array<int, 4> kAddressKeys = {8, 9, 10, 11};
constexpr char kSignatureDate[] = "   %02d/%02d/%04d";
constexpr int kFirstLineKey = 14; // lines 1 to 6 are keys 14 to 19
constexpr qsizetype kIbtFirstPart = 4;
constexpr qsizetype kIbtSecondPartStart = 5;

// The first four characters of the IBT number and its sixth to ninth: the number without the
// hyphen of its usual form.
QString st14IbtDigits(const QString& ibt) {
    return ibt.left(kIbtFirstPart) + ibt.mid(kIbtSecondPartStart, kIbtFirstPart);
}
} // namespace

St14Form::St14Form() : FilledForm(st14Fields) {}

bool St14Form::fill(ReturnRecord& record, const QString& st14ScanLine, const FillContext& context) {
    computeSt14(record);
    const ClientRecord& client = record.client;
    const St14Section& st14 = record.st14;
    const QString ibt = FormTexts::recordText(client.ibtNumber);
    FieldWriter writer = beginFill();
    writer.text(5, ibt);
    writer.text(13, st14IbtDigits(ibt));
    writer.text(12, st14ScanLine);
    writer.text(6, record.texts.periodText);
    writer.text(7, record.texts.dueDateText);
    FormTexts::writeAddressBlock(writer, client, kAddressKeys);
    SignatureFields::writePhone(writer, 0, FormTexts::recordText(client.phone));
    writer.text(4, cFormat(" %4d", context.vendorId));
    SignatureFields::writeDate(writer, 1, context.printDateTaxPayer, kSignatureDate);
    SignatureFields::writePhone(writer, 2, context.preparerPhone);
    SignatureFields::writeDate(writer, 3, context.printDateTaxPreparer, kSignatureDate);
    const Dollars lines[] = {st14.line1, st14.line2, st14.line3,
                             st14.line4, st14.line5, st14.line6};
    for (int line = 0; line < int(std::size(lines)); ++line)
        writer.amount(kFirstLineKey + line, lines[line], FieldText::CentsGroup::Decimal);
    return endFill(writer);
}
