#pragma once

#include "settings/SettingsBinder.h"

#include <QString>

// The "Options" section: the program's preferences, read when the main window is created and
// written back when it is destroyed.
class OptionsSettings {
public:
    // `programFolder` ends with '/'; the default client folder is its "Clients" subfolder.
    explicit OptionsSettings(const QString& programFolder);

    // The default client folder: "Clients/" in the program folder (ending with '/').
    static QString defaultClientDataPath(const QString& programFolder);

    QString clientDataPath; // always ends with '/'
    int destroyClientDataPermanently = 0;
    int allowBlankForms = 0;
    int printGasoholWorksheet = 0;
    int printDateTaxPayer = 1;
    int printDateTaxPreparer = 1;
    int checkForUpdatesFrequency = 2; // index into kUpdateFrequencies
    int timeOfLastUpdate = 0;         // seconds since 1970 (UTC)

private:
    // Declared last, so it writes the values back before they are destroyed.
    SettingsBinder binder_{QStringLiteral("Options")};
};

struct UpdateFrequency {
    const char* text;
    int days;
};
inline constexpr UpdateFrequency kUpdateFrequencies[] = {
    {"Day", 1}, {"Three days", 3}, {"Week", 7}, {"Two weeks", 14}};
