#pragma once

#include <QString>

class QWidget;

// Commands that hand over to other programs of the desktop. When the desktop has no program
// for the job, the preparer is told so in a message over `parent`.
namespace DesktopCommands {
inline constexpr const char* kHelpFileName = "vantrobe-help.html";
inline constexpr const char* kWebSite = "https://www.orlenfield.com/";

// Starts the first calculator found: gnome-calculator, kcalc, galculator, xcalc.
void runCalculator(QWidget* parent);
// Opens the help document (beside the program, or in the install's data folder) in the
// desktop's viewer.
void openHelp(QWidget* parent);
// Opens the maker's web site in the default browser.
void openWebSite(QWidget* parent);
// Where the help document is; the bare name when it is nowhere to be found.
QString helpFilePath();
} // namespace DesktopCommands
