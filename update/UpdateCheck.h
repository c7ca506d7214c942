#pragma once

#include "update/UpdateServer.h"
#include "update/UpdateVersion.h"
#include "update/UpdateVersionFile.h"

#include <QString>
#include <functional>

// The first step of an update: fetch the server's version file and compare the version it
// announces with the running one. It runs on a worker thread and can be cancelled.
struct UpdateCheck {
    enum class Outcome { NothingFound, Incompatible, NewerFound, ProgramFolderReadOnly };

    Outcome outcome = Outcome::NothingFound;
    UpdateVersionFile versionFile;

    // Fetches the server's version file. A fetch that fails (or is cancelled: `cancelled`
    // returns true) is nothing found; a body that is too large or whose flag is not "1" (an
    // error page, say) is incompatible. When the announced version is newer than `running`,
    // a program folder this program cannot write is ProgramFolderReadOnly (only an
    // administrator can install there); otherwise the fetched text is saved unchanged as
    // programFolder/VanVer.txt, and when that cannot be written, nothing is found.
    static UpdateCheck run(const UpdateServer& server, const QString& programFolder,
                           const UpdateVersion& running,
                           const std::function<bool()>& cancelled = {});
};
