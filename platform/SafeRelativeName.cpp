#include "platform/SafeRelativeName.h"

#include <QStringList>
#include <QStringView>
#include <algorithm>

namespace {
// Checked character by character: archives and update lists from outside may hold thousands
// of names of hundreds of parts each.
bool isForbidden(QChar c) {
    static constexpr QStringView kReserved = u"\\:*?\"<>|";
    return c.unicode() < 0x20 || c.unicode() == 0x7f || kReserved.contains(c);
}

// CON, PRN, AUX, NUL, COM0-9 and LPT0-9, which Windows takes for devices whatever their
// extension and letter case.
bool isDeviceName(QStringView base) {
    for (const char16_t* device : {u"con", u"prn", u"aux", u"nul"}) {
        if (base.compare(QStringView(device), Qt::CaseInsensitive) == 0)
            return true;
    }
    return base.size() == 4 && base.at(3).isDigit() && base.at(3).unicode() < 0x80 &&
           (base.first(3).compare(u"com", Qt::CaseInsensitive) == 0 ||
            base.first(3).compare(u"lpt", Qt::CaseInsensitive) == 0);
}

bool isSafePart(QStringView part) {
    if (part.isEmpty() || part == u"." || part == u".." || part.endsWith(u'.') ||
        part.endsWith(u' ') || std::any_of(part.begin(), part.end(), isForbidden))
        return false;
    const qsizetype dot = part.indexOf(u'.');
    return !isDeviceName((dot < 0 ? part : part.first(dot)).trimmed());
}
} // namespace

namespace SafeRelativeName {

bool isSafe(const QString& name) {
    if (name.isEmpty())
        return false;
    const QList<QStringView> parts = QStringView(name).split(u'/');
    return std::all_of(parts.begin(), parts.end(), isSafePart);
}

} // namespace SafeRelativeName
