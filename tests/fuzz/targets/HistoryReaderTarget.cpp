#include "history/BinaryEncoding.h"
#include "history/LegacyHistoryReader.h"
#include "history/LegacyPages.h"
#include "targets/FuzzEntries.h"

#include <QtGlobal>

void FuzzEntries::historyReader(const QByteArray& input) {
    if (!isLegacyHistoryHeader(input.left(kLegacyHeaderBytes)))
        return;
    const auto rows = readLegacyHistory(input);
    if (!rows)
        return;
    // What is read back is bounded by the file: a file whose cells share one overflow chain
    // must not come back many times larger than it is.
    qint64 bytesRead = 0;
    for (const LegacyHistoryRow& row : *rows) {
        bytesRead += row.returnData.size();
        for (const QString& text : row.texts)
            bytesRead += text.size();
    }
    if (bytesRead > input.size() * LegacyPages::kMaxReadFactor)
        qFatal("%lld bytes read back from a file of %lld", bytesRead, qint64(input.size()));
    // The conversion decodes every stored archive; the archive itself is the archive target's.
    for (const LegacyHistoryRow& row : *rows)
        decodeBinary(row.returnData);
}
