#include "returns/GroupThousands.h"

QString groupThousands(std::int64_t amount) {
    const QString digits = QString::number(amount);
    const qsizetype firstDigit = amount < 0 ? 1 : 0;
    QString grouped = digits;
    for (qsizetype at = digits.size() - 3; at > firstDigit; at -= 3)
        grouped.insert(at, QLatin1Char(','));
    return grouped;
}
