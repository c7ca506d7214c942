#include "update/UpdateVersion.h"

#include "platform/Version.h"

#include <QRegularExpression>
#include <limits>
#include <tuple>

namespace {
// The decimal value at the start of `piece` as atoi reads it, held to the range of an int.
int leadingInteger(const QString& piece) {
    qsizetype position = 0;
    while (position < piece.size() && piece[position].isSpace())
        ++position;
    bool negative = false;
    if (position < piece.size() && (piece[position] == u'-' || piece[position] == u'+'))
        negative = piece[position++] == u'-';
    qint64 value = 0;
    constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; position < piece.size() && piece[position] >= u'0' && piece[position] <= u'9';
         ++position)
        value = std::min(kLimit, value * 10 + (piece[position].unicode() - u'0'));
    const qint64 signedValue = negative ? -value : std::min(value, kLimit - 1);
    return static_cast<int>(signedValue);
}
} // namespace

UpdateVersion UpdateVersion::parse(const QString& text) {
    static const QRegularExpression dots(QStringLiteral("\\.+"));
    const QStringList pieces = text.split(dots, Qt::SkipEmptyParts);
    UpdateVersion version;
    int* fields[] = {&version.major, &version.minor, &version.build};
    for (qsizetype index = 0; index < std::min<qsizetype>(pieces.size(), 3); ++index)
        *fields[index] = leadingInteger(pieces[index]);
    return version;
}

bool UpdateVersion::isNewerThan(const UpdateVersion& other) const {
    return std::tie(major, minor, build) > std::tie(other.major, other.minor, other.build);
}

UpdateVersion runningVersion() {
    return UpdateVersion::parse(QLatin1String(kVersionText));
}
