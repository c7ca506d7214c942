#include "history/BinaryEncoding.h"
#include "history/LegacyHistoryReader.h"
#include "targets/FuzzEntries.h"

void FuzzEntries::historyReader(const QByteArray& input) {
    if (!isLegacyHistoryHeader(input.left(kLegacyHeaderBytes)))
        return;
    const auto rows = readLegacyHistory(input);
    if (!rows)
        return;
    // The conversion decodes every stored archive; the archive itself is the archive target's.
    for (const LegacyHistoryRow& row : *rows)
        decodeBinary(row.returnData);
}
