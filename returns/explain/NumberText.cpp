#include "returns/explain/NumberText.h"

#include "platform/CFormat.h"
#include "returns/GroupThousands.h"

#include <cmath>

namespace NumberText {
QString whole(double value) {
    return groupThousands(std::int64_t(value));
}

QString money(double value) {
    const QString text = cFormat("%.2f", std::fabs(value));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QString sign =
        value < 0 && text != QLatin1String("0.00") ? QStringLiteral("-") : QString();
    return sign + groupThousands(text.left(point).toLongLong()) + text.mid(point);
}

QString plain(double value) {
    return QString::number(value, 'g', 10);
}
} // namespace NumberText
