#pragma once

#include "settings/SettingValue.h"

// The "Export" section: where "Save As" saved a return last, the folder its dialog opens in
// the next time (in this run and the next).
class ExportSettings {
public:
    ExportSettings();

    SettingValue<QString> lastFolder; // empty: none yet
};
