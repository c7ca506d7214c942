#pragma once

#include <QString>

// Commands that hand over to other programs of the desktop. None of them reports a failure.
namespace DesktopCommands {
inline constexpr const char* kHelpFileName = "vantrobe-help.html";
inline constexpr const char* kWebSite = "https://www.orlenfield.com/";

// Starts the first calculator found: gnome-calculator, kcalc, galculator, xcalc.
void runCalculator();
// Opens the help document (beside the program, or in the install's data folder) in the
// desktop's viewer.
void openHelp();
// Opens the maker's web site in the default browser.
void openWebSite();
// Where the help document is; the bare name when it is nowhere to be found.
QString helpFilePath();
} // namespace DesktopCommands
