#pragma once

#include "update/UpdateVersion.h"
#include "update/UpdateVersionFile.h"

#include <QByteArray>
#include <QString>

// The first step of an update: fetch the server's version file and compare the version it
// announces with the running one.
struct UpdateCheck {
    enum class Outcome { NothingFound, Incompatible, NewerFound };

    Outcome outcome = Outcome::NothingFound;
    UpdateVersionFile versionFile;
    QByteArray versionFileText;

    // Fetches `versionFileUrl`. A fetch that fails is nothing found; a body that is too large
    // or whose flag is not "1" (an error page, say) is incompatible. When the announced version
    // is newer than `running`, the fetched text is saved unchanged as programFolder/VanVer.txt;
    // when that cannot be written, nothing is found.
    static UpdateCheck run(const QString& versionFileUrl, const QString& programFolder,
                           const UpdateVersion& running);
};
