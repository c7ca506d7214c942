#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// Reading the data-driven case files.
namespace JsonCases {
// The JSON document of a file; fails the current test (and returns an empty array) when the
// file is missing or not a JSON array.
QJsonArray readArray(const QString& path);
// `first` (when it exists), every *.json of `projectFolder`, and every *.json of the folder
// named by the environment variable `extraFolderVariable` when it is set.
QStringList caseFiles(const QString& first, const QString& projectFolder,
                      const char* extraFolderVariable);
QString sha256Hex(const QByteArray& bytes);
QString hex(const QByteArray& bytes);
} // namespace JsonCases
