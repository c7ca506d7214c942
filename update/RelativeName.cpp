#include "update/RelativeName.h"

#include <QStringList>
#include <algorithm>

namespace RelativeName {

bool isSafe(const QString& name) {
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') ||
        name.contains(QChar(0)) || (name.size() >= 2 && name[1] == u':'))
        return false;
    const QStringList parts = name.split(u'/');
    return std::none_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
    });
}

} // namespace RelativeName
