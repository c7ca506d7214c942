#include "clients/ClientDataFolder.h"

#include <QDir>
#include <QFileInfo>

ClientDataFolder::State ClientDataFolder::check(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists())
        return State::Missing;
    if (!info.isDir())
        return State::NotAFolder;
    return info.isWritable() ? State::Usable : State::NotWritable;
}

bool ClientDataFolder::create(const QString& folder) {
    QDir().mkpath(folder);
    return check(folder) == State::Usable;
}

bool ClientDataFolder::ensureDefault(const QString& folder, const QString& defaultFolder) {
    const bool isDefault = QDir::cleanPath(folder) == QDir::cleanPath(defaultFolder);
    if (!isDefault || check(folder) != State::Missing)
        return true;
    return create(folder);
}

QString ClientDataFolder::problemText(const QString& folder) {
    switch (check(folder)) {
    case State::Usable:
        return {};
    case State::Missing:
        return QStringLiteral("The folder \"%1\" does not exist.").arg(folder);
    case State::NotAFolder:
        return QStringLiteral("\"%1\" is a file, not a folder.").arg(folder);
    case State::NotWritable:
        return QStringLiteral("Vantrobe cannot write to the folder \"%1\".").arg(folder);
    }
    return {};
}
