#include "forms/filling/St2PageForm.h"

#include "forms/filling/FieldTableRows.h"

namespace {
constexpr int kBlocks = 6;
constexpr int kTotalsBlock = 5;
constexpr int kKeysPerBlock = 13;
constexpr int kFirstBlockKey = 2;
constexpr int kTextLines = 5;
constexpr int kAmounts = 6;
constexpr int kFields = kFirstBlockKey + kBlocks * kKeysPerBlock;
constexpr int kTextLineWidth = 48;

// "1111111111111" or "111" followed by a two-digit number.
constexpr FormField numbered(int key, int prefixOnes, int number) {
    FormField field = FieldTableRows::letters(key, '1', prefixOnes);
    field.placeholder[prefixOnes] = char('0' + number / 10);
    field.placeholder[prefixOnes + 1] = char('0' + number % 10);
    return field;
}

// Block s: five text lines of 48 letters (four capitals running on from block to block, then
// a lower-case letter), six amounts numbered 05 upwards (the totals' last is 82) and two
// rates numbered 58 upwards (the totals block has a single space instead).
constexpr std::array<FormField, kFields> st2Table() {
    std::array<FormField, kFields> table{};
    table[0] = FieldTableRows::row(0, "111111111111101");
    table[1] = FieldTableRows::row(1, "111111111111192111111111111193");
    for (int block = 0; block < kBlocks; ++block) {
        const int first = kFirstBlockKey + block * kKeysPerBlock;
        for (int line = 0; line < kTextLines; ++line) {
            const char letter = line < 4 ? char('A' + 4 * block + line) : char('a' + block);
            table[size_t(first + line)] =
                FieldTableRows::letters(first + line, letter, kTextLineWidth);
        }
        for (int amount = 0; amount < kAmounts; ++amount) {
            const int key = first + kTextLines + amount;
            const bool totalsLast = block == kTotalsBlock && amount == kAmounts - 1;
            table[size_t(key)] = numbered(key, 13, totalsLast ? 82 : 5 + block * kAmounts + amount);
        }
        for (int rate = 0; rate < 2; ++rate) {
            const int key = first + kTextLines + kAmounts + rate;
            table[size_t(key)] = block == kTotalsBlock ? FieldTableRows::row(key, " ")
                                                       : numbered(key, 3, 58 + 2 * block + rate);
        }
    }
    return table;
}

// One table for the eight page objects.
std::array<FormField, kFields> st2Fields = st2Table();

void writeEntry(FieldWriter& writer, int block, const St2Entry& entry) {
    const int first = kFirstBlockKey + block * kKeysPerBlock;
    for (int line = 0; line < kTextLines; ++line)
        writer.text(first + line, entry.lines[size_t(line)]);
    for (int amount = 0; amount < kAmounts; ++amount)
        writer.amount(first + kTextLines + amount, entry.amounts[size_t(amount)],
                      FieldText::CentsGroup::Decimal);
    if (block == kTotalsBlock)
        return;
    for (int rate = 0; rate < 2; ++rate) {
        const int key = first + kTextLines + kAmounts + rate;
        if (entry.rates[size_t(rate)] != 0)
            writer.rate(key, entry.rates[size_t(rate)]);
    }
}
} // namespace

St2PageForm::St2PageForm() : FilledForm(st2Fields) {}

bool St2PageForm::fill(std::span<const St2Entry> entries, const QString& ibtNumber,
                       const QString& periodText) {
    FieldWriter writer = beginFill();
    if (entries.empty())
        return endFill(writer);
    if (entries.size() > size_t(kSitesPerPage + 1))
        return false;
    for (size_t entry = 0; entry + 1 < entries.size(); ++entry)
        writeEntry(writer, int(entry), entries[entry]);
    writeEntry(writer, kTotalsBlock, entries.back());
    if (!ibtNumber.isEmpty())
        writer.text(0, ibtNumber);
    if (!periodText.isEmpty())
        writer.text(1, periodText);
    return endFill(writer);
}
