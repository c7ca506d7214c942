#include "clients/backup/ClientBackup.h"

#include "clients/ClientFile.h"
#include "clients/ClientList.h"
#include "clients/ClientStore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

QString ClientBackup::proposedFolder(const QString& fallback) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents))
        return documents;
    return fallback;
}

std::optional<QString> ClientBackup::copyClientFile(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return in.errorString();
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return out.errorString();
    return std::nullopt;
}

ClientBackup::RestoreOutcome
ClientBackup::restoreClient(const QString& path, ClientList& clients, const QString& folder,
                            const std::function<bool()>& replaceListed) {
    ClientInfo restored;
    if (readClientFile(path, restored) != kClientFileOk)
        return {RestoreResult::NotAClientFile};
    const QString name = clientName(restored.record);
    const int listedRow = clients.find(name);
    if (listedRow >= 0 && !replaceListed())
        return {RestoreResult::Declined};
    if (ClientStore::saveClient(restored, QString(), folder) != kClientFileOk)
        return {RestoreResult::Failed};
    if (listedRow >= 0) {
        const QString listedPath = clients.at(listedRow).path;
        if (listedPath != restored.path)
            QFile::remove(listedPath);
        clients.removeAt(listedRow);
    }
    return {RestoreResult::Restored, clients.add(restored)};
}
