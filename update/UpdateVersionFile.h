#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The version file the update server publishes: a compatibility flag, the latest version and
// up to 20 names of program files (relative to the root of the update archive) to install.
struct UpdateVersionFile {
    static constexpr int kNameSlots = 20;
    // A larger version file is not one of ours; it is treated as incompatible.
    static constexpr qsizetype kMaxBytes = 64 * 1024;

    QString flag;
    QString versionText;
    std::array<QString, kNameSlots> names;

    // Splits the text into lines at every run of CR and LF characters, so empty lines do not
    // count: line 1 is the flag, line 2 the version, lines 3 to 22 the names; later lines are
    // ignored.
    static UpdateVersionFile split(const QByteArray& text);

    // Only a flag of exactly "1" (no blanks around it) is compatible with this program.
    bool isCompatible() const { return flag == QLatin1String("1"); }
};
