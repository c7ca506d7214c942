#include "platform/SafeRelativeName.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {
bool isSafePart(const QString& part) {
    static const QRegularExpression forbidden(QStringLiteral("[\\x00-\\x1f\\x7f\\\\:*?\"<>|]"));
    static const QRegularExpression deviceName(
        QStringLiteral("^(con|prn|aux|nul|com[0-9]|lpt[0-9])$"),
        QRegularExpression::CaseInsensitiveOption);
    return !part.isEmpty() && part != QLatin1String(".") && part != QLatin1String("..") &&
           !part.endsWith(u'.') && !part.endsWith(u' ') && !part.contains(forbidden) &&
           !deviceName.match(part.section(u'.', 0, 0).trimmed()).hasMatch();
}
} // namespace

namespace SafeRelativeName {

bool isSafe(const QString& name) {
    if (name.isEmpty())
        return false;
    const QStringList parts = name.split(u'/');
    return std::all_of(parts.begin(), parts.end(), isSafePart);
}

} // namespace SafeRelativeName
