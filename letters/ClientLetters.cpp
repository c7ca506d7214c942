#include "letters/ClientLetters.h"

#include "letters/DefaultLetter.h"
#include "letters/LetterGenerator.h"

#include <QDir>
#include <QFile>

bool ensureClientLetter(const QString& clientFilePath) {
    const QString letter = clientLetterPath(clientFilePath);
    return QFile::exists(letter) ||
           (ensureDefaultLetter(false) && QFile::copy(defaultLetterPath(), letter));
}

QString backedUpLettersFolder(const QString& clientDataFolder) {
    return clientDataFolder + QStringLiteral("BackedUpLettersFolder");
}

QStringList resetAllClientLetters(const QString& clientDataFolder) {
    const QString backupFolder = backedUpLettersFolder(clientDataFolder);
    QDir().mkpath(backupFolder);
    QStringList leftInPlace;
    const QStringList letters =
        QDir(clientDataFolder).entryList({QStringLiteral("*.tlt")}, QDir::Files | QDir::Hidden);
    for (const QString& name : letters) {
        const QString letter = clientDataFolder + name;
        // QFile::copy refuses an existing target, so an earlier backup is never overwritten.
        const bool moved = QFile::copy(letter, backupFolder + u'/' + name) && QFile::remove(letter);
        if (!moved)
            leftInPlace.append(name);
    }
    return leftInPlace;
}
