#pragma once

#include <QByteArray>
#include <QString>

struct UpdateManifest;

// Hands an unpacked update over to the updater: the program folder gets a fresh, empty "New"
// and "Old" folder, and "New" receives the files the update's manifest lists (with their
// folders) and, last, the manifest itself.
namespace UpdateStaging {
// Writes the version file's text unchanged (in text mode) as folder/VanVer.txt.
bool writeVersionFile(const QString& folder, const QByteArray& text);

// Whether files can be created in `folder`: tried with a new file, since permissions alone do
// not tell (access lists, read-only mounts).
bool canWrite(const QString& folder);

// Copies unpackFolder/<name> to programFolder/New/<name> for every file of the manifest,
// checks every copy against the manifest and then writes the manifest into "New". False when
// any of it fails (a full disk, say): "New" is then removed again, so nothing half staged is
// ever installed.
bool stage(const QString& unpackFolder, const QString& programFolder,
           const UpdateManifest& manifest);
} // namespace UpdateStaging
