#include "update/UpdateSchedule.h"

#include "settings/OptionsSettings.h"
#include "settings/SettingsStore.h"

#include <QSettings>
#include <iterator>

namespace UpdateSchedule {

bool automaticCheckDue(int frequencyIndex, qint64 lastCheckSeconds, qint64 nowSeconds) {
    constexpr qint64 kSecondsPerDay = 86400;
    if (frequencyIndex < 0 || frequencyIndex >= int(std::size(kUpdateFrequencies)))
        return false;
    const qint64 wholeDays = (nowSeconds - lastCheckSeconds) / kSecondsPerDay;
    return wholeDays >= kUpdateFrequencies[frequencyIndex].days;
}

bool automaticChecksEnabled() {
    const QSettings settings(SettingsStore::kOrganization, SettingsStore::kApplication);
    return settings.value(QStringLiteral("Update/AutomaticCheck"), 1).toInt() != 0;
}

} // namespace UpdateSchedule
