#pragma once

#include <QString>
#include <functional>

// The updater's work on the program folder. The program stages an update in "New": the files
// its signed manifest lists, each checked against the manifest, and the manifest itself last.
// The installer checks every staged file against the manifest again before it moves anything,
// writes the journal of its moves (see InstallJournal), moves each replaced file to "Old" and
// the staged one into its place, and removes the journal. When a move fails, every move made
// is undone. An install cut short is put back by the next installer, or by the program when
// it starts, from the journal. Only one of them works on a folder at a time (a lock file).
// Each step is written to the log, UpdateLog.txt.
namespace StagedInstall {
// Called before every rename; tests stop the process there.
using RenameHook = std::function<void()>;

// Puts back an interrupted install first, then installs what "New" holds. True when every
// file was installed; "New" is then removed and "Old" keeps the replaced files. False when
// nothing complete is staged, a staged file does not match the manifest (nothing is moved),
// or a move failed (the program folder is as it was).
bool install(const QString& programFolder, const RenameHook& beforeRename = {});

// Puts back the install whose journal the program folder holds: every installed file goes
// back to "New" and every replaced one back from "Old". True when there was nothing to put
// back or all of it was put back; false when the journal is damaged, another installer
// holds the folder, or a file could not be moved (the journal stays for the next attempt).
bool recoverInterrupted(const QString& programFolder, const RenameHook& beforeRename = {});

// Appends one time-stamped line to programFolder/UpdateLog.txt.
void log(const QString& programFolder, const QString& line);
} // namespace StagedInstall
