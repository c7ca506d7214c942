#pragma once

#include "update/UpdateVersionFile.h"

#include <QByteArray>
#include <QString>

// Hands an unpacked update over to the updater: the program folder gets a fresh, empty "New"
// and "Old" folder, "New" receives the listed program files (with their folders) and the
// version file "VanVer.txt".
namespace UpdateStaging {
inline constexpr char kNewFolder[] = "New";
inline constexpr char kOldFolder[] = "Old";
inline constexpr char kVersionFileName[] = "VanVer.txt";

// Copies unpackFolder/<name> to programFolder/New/<name> for each non-empty slot in order;
// a name that is missing from the archive or not a plain relative name is skipped. False only
// when "New" and "Old" cannot be made afresh or the version file cannot be written.
// Writes the version file's text unchanged (in text mode) as folder/VanVer.txt.
bool writeVersionFile(const QString& folder, const QByteArray& text);

bool stage(const QString& unpackFolder, const QString& programFolder,
           const UpdateVersionFile& versionFile, const QByteArray& versionFileText);
} // namespace UpdateStaging
