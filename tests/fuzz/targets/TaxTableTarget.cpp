#include "targets/FuzzEntries.h"
#include "targets/FuzzScratchFile.h"
#include "taxtables/TaxTable.h"

#include <QDate>

namespace {
// Every line is parsed; the rates, which read the clock, only of the first lines.
constexpr int kRatedLines = 256;
} // namespace

void FuzzEntries::taxTable(const QByteArray& input) {
    TaxTable table;
    if (!table.load(FuzzScratchFile::write(QStringLiteral("Data.tbl"), input)))
        return;
    TaxTableRecord record;
    for (int index = 0; index < table.count(); ++index) {
        table.recordAt(index, record);
        if (index >= kRatedLines)
            continue;
        for (const bool useDateRule : {false, true}) {
            TaxTable::generalRate(record, useDateRule);
            TaxTable::foodRate(record, useDateRule);
            TaxTable::purchaseGeneralRate(record, useDateRule);
            TaxTable::purchaseFoodRate(record, useDateRule);
        }
        TaxTable::chooseRateSet(record, true, QDate(2005, 7, 1));
    }
    table.lookup(input.left(10).toStdString(), record);
    table.lastUpdated();
}
