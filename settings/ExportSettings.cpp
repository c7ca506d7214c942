#include "settings/ExportSettings.h"

ExportSettings::ExportSettings()
    : lastFolder(QStringLiteral("Export"), QStringLiteral("Export.LastFolder")) {}
