#pragma once

#include "settings/SettingValue.h"

#include <QString>

// The "Options" section: the program's preferences. Owned by the main window; every reader
// and the Options dialog go to the store through it, so a change counts at once.
class OptionsSettings {
public:
    // `programFolder` ends with '/'; the default client folder is its "Clients" subfolder.
    // A first start stores the current time as the last update check.
    explicit OptionsSettings(const QString& programFolder);

    // The default client folder: "Clients/" in the program folder (ending with '/').
    static QString defaultClientDataPath(const QString& programFolder);

    SettingValue<QString> clientDataPath; // always ends with '/'
    SettingValue<int> destroyClientDataPermanently;
    SettingValue<int> allowBlankForms;
    SettingValue<int> printGasoholWorksheet;
    SettingValue<int> printDateTaxPayer;
    SettingValue<int> printDateTaxPreparer;
    SettingValue<int> checkForUpdatesFrequency; // index into kUpdateFrequencies
    SettingValue<int> timeOfLastUpdate;         // seconds since 1970 (UTC)
};

struct UpdateFrequency {
    const char* text;
    int days;
};
inline constexpr UpdateFrequency kUpdateFrequencies[] = {
    {"Day", 1}, {"Three days", 3}, {"Week", 7}, {"Two weeks", 14}};
