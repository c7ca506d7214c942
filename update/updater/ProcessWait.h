#pragma once

#include <QtGlobal>

// Waiting for another process (the main program handing over to the updater) to end.
namespace ProcessWait {
// True once the process `pid` has ended (or never existed); false when it still runs after
// `timeoutMs` milliseconds, or when the system cannot say whether it runs: a failed query is
// never taken for an ended process.
bool waitForExit(qint64 pid, int timeoutMs);
} // namespace ProcessWait
