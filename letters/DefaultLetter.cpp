#include "letters/DefaultLetter.h"

#include "platform/ProgramFolder.h"
#include "platform/SafeWrite.h"

#include <QFile>

namespace {
const QString kFactoryLetter = QStringLiteral(":/letters/DefaultLetter.rtf");
}

QString defaultLetterPath() {
    return ProgramFolder::path() + QStringLiteral("DefaultLetter.rtf");
}

bool ensureDefaultLetter(bool force) {
    const QString path = defaultLetterPath();
    if (!force && QFile::exists(path))
        return true;
    QFile factory(kFactoryLetter);
    if (!factory.open(QIODevice::ReadOnly))
        return false;
    // A failed reset keeps the old letter.
    return !SafeWrite::replace(path, factory.readAll()).has_value();
}
