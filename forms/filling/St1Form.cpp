#include "forms/filling/St1Form.h"

#include "forms/filling/FieldTableRows.h"
#include "forms/filling/FormTexts.h"
#include "forms/filling/ScanLine.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"

namespace {
using FieldTableRows::letters;
using FieldTableRows::row;

FormField st1Page1Fields[] = {
    row(0, "21111111111101"),
    row(1, "111111111111101"),
    row(2, "111111111111102"),
    row(3, "111111111111103"),
    row(4, "111111111111116"),
    row(5, "11158"),
    row(6, "111111111111104"),
    row(7, "111111111111117"),
    row(8, "11159"),
    row(9, "111111111111105"),
    row(10, "111111111111118"),
    row(11, "11160"),
    row(12, "111111111111106"),
    row(13, "111111111111119"),
    row(14, "11161"),
    row(15, "111111111111107"),
    row(16, "111111111111120"),
    row(17, "111111111111108"),
    row(18, "111111111111109"),
    row(19, "111111111111162"),
    row(20, "11163"),
    row(21, "111111111111110"),
    row(22, "111111111111111"),
    row(23, "111111111111121"),
    row(24, "111111111111112"),
    row(25, "11180"),
    row(26, "111111111111122"),
    row(27, "111111111111113"),
    row(28, "11181"),
    row(29, "111111111111123"),
    row(30, "111111111111114"),
    row(31, "111111111111115"),
    row(32, "111111111111124"),
    row(33, "111111111111125"),
    row(34, "111111111111126"),
    row(35, "111111111111127"),
    row(36, "111111111111128"),
    row(37, "111111111111129"),
    row(38, "111111111111130"),
    row(39, "111111111111134"),
    row(40, "111111111111135"),
    row(41, "111111111111136"),
    row(42, "111111111111137"),
    letters(43, 'E', 33),
    row(44, "111111111111139"),
    letters(45, 'F', 33),
    row(46, "111111111111141"),
    row(47, "111111111111142"),
    row(48, "111111111111143"),
    row(49, "111111111111182"),
    row(50, "111111111111144"),
    row(51, "111111111111183"),
    row(52, "111111111111192111111111111193"),
    row(53, "111111111111190111111111111191"),
    row(54, "111111111111168"), // never written
    row(55, "111111111111165111111111111166111111111111167"),
    row(56, "111111111111194111111111111195"),
    letters(57, 'A', 41),
    letters(58, 'B', 41),
    letters(59, 'C', 41),
    letters(60, 'D', 41),
    row(61, "111111111111156"),
    row(62, "111111111111157"),
    row(63, "111111111111164"), // not in the image; never written
};

struct AmountKey {
    int key;
    Dollars St1Lines::*line;
};

constexpr AmountKey kAmountKeys[] = {
    {0, &St1Lines::lineA},    {1, &St1Lines::line1},    {2, &St1Lines::line2},
    {3, &St1Lines::line3},    {4, &St1Lines::line4a},   {6, &St1Lines::line4b},
    {7, &St1Lines::line5a},   {9, &St1Lines::line5b},   {10, &St1Lines::line6a},
    {12, &St1Lines::line6b},  {13, &St1Lines::line7a},  {15, &St1Lines::line7b},
    {16, &St1Lines::line8a},  {17, &St1Lines::line8b},  {18, &St1Lines::line9},
    {21, &St1Lines::line10},  {22, &St1Lines::line11},  {23, &St1Lines::line12a},
    {24, &St1Lines::line12b}, {26, &St1Lines::line13a}, {27, &St1Lines::line13b},
    {29, &St1Lines::line14a}, {30, &St1Lines::line14b}, {31, &St1Lines::line15},
    {32, &St1Lines::line16},  {33, &St1Lines::line16a}, {34, &St1Lines::line17},
    {35, &St1Lines::line18},  {36, &St1Lines::line19},  {37, &St1Lines::line20},
    {38, &St1Lines::line21},  {39, &St1Lines::line22},  {40, &St1Lines::line23},
    {41, &St1Lines::line24},  {42, &St1Lines::line25}};

constexpr std::array<int, 4> kAddressKeys = {57, 58, 59, 60};
constexpr int kTaxpayerSignature = 43, kTaxpayerDate = 44;
constexpr int kPreparerSignature = 45, kPreparerDate = 46;
constexpr int kSignatureWidth = 33;
constexpr char kSignatureDate[] = "   %02d  %02d  %04d";
constexpr int kLocationCodeGap = 15, kMarkerGap = 10;
constexpr int kScanLineKey = 61;

// The order of the page 1 fill's writes.
constexpr int kPage1Order[] = {57, 58, 59, 60, 50, 51, 55, 0,  1,  4,  6,  7,  9,  10, 12, 13,
                               15, 16, 17, 5,  8,  2,  3,  18, 21, 22, 23, 24, 26, 27, 29, 30,
                               31, 25, 28, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 47, 52,
                               53, 56, 19, 20, 11, 14, 43, 44, 45, 46, 48, 49, 62, 61};
// The order of the combined page 1 fill's writes; keys 48 and 49 keep the vendor
// identification the page 1 fill wrote.
constexpr int kCombinedOrder[] = {1,  0,  2,  3,  4,  6,  5,  8,  7,  9,  10, 12, 13, 15, 11,
                                  14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29, 30,
                                  28, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44,
                                  45, 46, 47, 50, 51, 55, 52, 53, 56, 57, 58, 59, 60, 61, 62};

enum class St1Fill { Page1, Combined };

// Fifteen spaces, the location code of a single-site client (fifteen spaces for a multi-site
// one), ten spaces and the site marker.
QString locationLine(const ClientRecord& client) {
    const QString gap(kLocationCodeGap, QLatin1Char(' '));
    const QString marker(kMarkerGap, QLatin1Char(' '));
    if (client.multiSite == 1)
        return gap + gap + marker + QStringLiteral("ST-2");
    return gap + FormTexts::recordText(client.locationCode) + marker + QStringLiteral("SL");
}

void keepTexts(St1KeptValues& kept, const ReturnRecord& record, const FillContext& context) {
    const ClientRecord& client = record.client;
    const QStringList address = FormTexts::addressBlock(client);
    for (qsizetype i = 0; i < address.size(); ++i)
        kept.texts[size_t(kAddressKeys[size_t(i)])] = address[i];
    const QString ibt = FormTexts::recordText(client.ibtNumber);
    kept.texts[50] = kept.texts[51] = ibt;
    kept.texts[55] = locationLine(client);
    kept.texts[52] = kept.texts[53] = record.texts.periodText;
    kept.texts[56] = kept.texts[19] = record.texts.dueDateText;
    kept.texts[20] = QStringLiteral(".0175");
    kept.texts[kTaxpayerSignature] = FieldText::signatureLine(
        QString(), FormTexts::fieldChars(FormTexts::recordText(client.phone)), kSignatureWidth);
    kept.texts[kPreparerSignature] =
        FieldText::signatureLine(FormTexts::fieldChars(context.preparerName),
                                 FormTexts::fieldChars(context.preparerPhone), kSignatureWidth);
    kept.texts[kTaxpayerDate] = kept.texts[kPreparerDate] = FormTexts::todayText(kSignatureDate);
    kept.texts[48] = kept.texts[49] = cFormat("%4d", context.vendorId);
    kept.texts[62] = FormTexts::ibtDigits(ibt);
}

St1KeptValues keptValuesOf(const ReturnRecord& record, const FillContext& context) {
    St1KeptValues kept = keptFiguresOf(record.st1);
    keepTexts(kept, record, context);
    return kept;
}

bool dateOptionOn(int key, const FillContext& context) {
    return key == kTaxpayerDate ? context.printDateTaxPayer : context.printDateTaxPreparer;
}

// Whether a key is written: the dates only under their options; on the combined page the
// signature lines and the location line only when kept.
bool writesKey(int key, St1Fill fill, const St1KeptValues& kept, const FillContext& context) {
    if (key == kTaxpayerDate || key == kPreparerDate)
        return dateOptionOn(key, context);
    if (fill == St1Fill::Combined &&
        (key == kTaxpayerSignature || key == kPreparerSignature || key == St1Keys::kLocationLine))
        return !kept.texts[size_t(key)].isEmpty();
    return true;
}

// The voucher amount "%d.00"; the page 1 fill leaves it blank when it is 0, the combined
// page prints 0.00.
void writeVoucher(FieldWriter& writer, Dollars voucher, St1Fill fill) {
    if (voucher == 0 && fill == St1Fill::Page1)
        writer.blank(St1Keys::kVoucher);
    else
        writer.text(St1Keys::kVoucher, cFormat("%lld.00", static_cast<long long>(voucher)));
}

// A kept rate; the combined page leaves a rate of 0 blank.
void writeRate(FieldWriter& writer, int key, double rate, St1Fill fill) {
    if (rate == 0 && fill == St1Fill::Combined)
        writer.blank(key);
    else
        writer.rate(key, rate);
}

void writeKeys(FieldWriter& writer, std::span<const int> order, St1Fill fill,
               const St1KeptValues& kept, const FillContext& context) {
    for (const int key : order) {
        if (!writesKey(key, fill, kept, context))
            continue;
        if (key == St1Keys::kVoucher)
            writeVoucher(writer, kept.voucher, fill);
        else if (St1Keys::isRate(key))
            writeRate(writer, key, kept.rates[size_t(key)], fill);
        else if (St1Keys::isAmount(key))
            writer.amount(key, kept.amounts[size_t(key)], FieldText::CentsGroup::Divided);
        else
            writer.text(key, kept.texts[size_t(key)]);
    }
}
} // namespace

St1KeptValues keptFiguresOf(const St1Section& st1) {
    St1KeptValues kept;
    for (const AmountKey& amount : kAmountKeys)
        kept.amounts[size_t(amount.key)] = st1.*amount.line;
    kept.rates[5] = st1.rateGeneral;
    kept.rates[8] = st1.rateFood;
    kept.rates[11] = St1Rates::kOutsideGeneralRate;
    kept.rates[14] = St1Rates::kOutsideFoodRate;
    kept.rates[25] = st1.ratePurchaseGeneral;
    kept.rates[28] = st1.ratePurchaseFood;
    kept.voucher = st1.line25;
    return kept;
}

St1Form::St1Form() : FilledForm(st1Page1Fields) {}

void St1Form::resetData() {
    kept_ = St1KeptValues();
    st1ScanLine_.clear();
    st14ScanLine_.clear();
}

int St1Form::fill(ReturnRecord& record, const FillContext& context) {
    st1ScanLine_.clear();
    st14ScanLine_.clear();
    if (computeSt1(record) == kSt1BasesDoNotAddUp)
        return kSt1BasesDoNotAddUp;
    kept_ = keptValuesOf(record, context);
    st1ScanLine_ =
        ScanLine::build(ScanLine::kSt1FormCode, record.texts.periodCode, context.vendorId);
    kept_.texts[kScanLineKey] = st1ScanLine_;
    FieldWriter writer = beginFill();
    writeKeys(writer, kPage1Order, St1Fill::Page1, kept_, context);
    if (!endFill(writer))
        return kSt1FieldFailed;
    st14ScanLine_ =
        ScanLine::build(ScanLine::kSt14FormCode, record.texts.periodCode, context.vendorId);
    return kSt1Ok;
}

bool St1Form::fillCombined(const FillContext& context) {
    FieldWriter writer(*this);
    writeKeys(writer, kCombinedOrder, St1Fill::Combined, kept_, context);
    return endFill(writer);
}
