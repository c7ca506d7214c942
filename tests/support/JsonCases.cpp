#include "support/JsonCases.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <gtest/gtest.h>

QJsonArray JsonCases::readArray(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open case file " << path.toStdString();
        return {};
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isArray()) {
        ADD_FAILURE() << path.toStdString()
                      << " is not a JSON array: " << error.errorString().toStdString();
        return {};
    }
    return document.array();
}

namespace {
void appendJsonFiles(QStringList& files, const QString& folder) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        files << dir.filePath(name);
}
} // namespace

QStringList JsonCases::caseFiles(const QString& first, const QString& projectFolder,
                                 const char* extraFolderVariable) {
    QStringList files;
    if (!first.isEmpty() && QFile::exists(first))
        files << first;
    if (!projectFolder.isEmpty())
        appendJsonFiles(files, projectFolder);
    const QString extra = qEnvironmentVariable(extraFolderVariable);
    if (!extra.isEmpty())
        appendJsonFiles(files, extra);
    return files;
}

QString JsonCases::sha256Hex(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString JsonCases::hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex());
}
