#include "platform/SafeRelativeName.h"
#include "targets/FuzzEntries.h"
#include "update/UpdateVersion.h"
#include "update/UpdateVersionFile.h"

// The version file as the update check reads it: the flag, the version compared with the
// running one, and every listed name checked before it could be installed.
void FuzzEntries::versionFile(const QByteArray& input) {
    const UpdateVersionFile file = UpdateVersionFile::split(input);
    if (!file.isCompatible())
        return;
    UpdateVersion::parse(file.versionText).isNewerThan(runningVersion());
    for (const QString& name : file.names)
        SafeRelativeName::isSafe(name);
}
