#pragma once

#include <functional>

class OptionsSettings;
class QWidget;

// The main window's update commands.
namespace UpdateCommands {
// "Check For New Updates": when the system reports no network connection, says so and stops;
// otherwise opens the update dialog, which sets the options' time of the last update check
// when it is closed.
void checkForUpdates(QWidget* parent, OptionsSettings& options);
// The check after the main window has shown: opens the update dialog when the chosen
// frequency's days have passed since the last check and the system does not report being
// offline.
void automaticCheck(QWidget* parent, OptionsSettings& options);

// Whether the system reports that it is offline. Where it cannot tell, it is taken as online
// and the server is tried. Tests replace the probe; an empty function restores the system's.
bool reportsOffline();
void setOfflineProbe(std::function<bool()> probe);
} // namespace UpdateCommands
