#include "letters/DefaultLetter.h"

#include "platform/ProgramFolder.h"

#include <QFile>
#include <QSaveFile>

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
    const QByteArray bytes = factory.readAll();
    // Written beside the target and renamed over it, so a failed reset keeps the old letter.
    QSaveFile letter(path);
    if (!letter.open(QIODevice::WriteOnly))
        return false;
    if (letter.write(bytes) != bytes.size()) {
        letter.cancelWriting();
        return false;
    }
    return letter.commit();
}
