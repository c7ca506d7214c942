#pragma once

// The names an update uses in the program folder beside the program's own files.
namespace UpdateFileNames {
// The staged files of an update, and the installed files it replaced.
inline constexpr char kNewFolder[] = "New";
inline constexpr char kOldFolder[] = "Old";
// The server's version file as the last newer check fetched it.
inline constexpr char kVersionFile[] = "VanVer.txt";
// The signed list of the update's files, at the root of the archive and in "New".
inline constexpr char kManifest[] = "VanManifest.txt";
// The moves of an install under way, the lock its installer holds, and the installer's log.
inline constexpr char kJournal[] = "UpdateJournal.txt";
inline constexpr char kJournalLock[] = "UpdateJournal.lock";
inline constexpr char kLog[] = "UpdateLog.txt";
} // namespace UpdateFileNames
