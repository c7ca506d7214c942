#pragma once

#include <QtGlobal>

// When the program looks for updates on its own after it has started.
namespace UpdateSchedule {
// True when the whole days since the last check (seconds apart / 86400, truncated) reach the
// day count of the chosen frequency. A frequency outside the table means automatic checks
// are off.
bool automaticCheckDue(int frequencyIndex, qint64 lastCheckSeconds, qint64 nowSeconds);
// False when the deployment has turned automatic checks off: the setting
// "Update/AutomaticCheck" is 0 (the default is on).
bool automaticChecksEnabled();
} // namespace UpdateSchedule
