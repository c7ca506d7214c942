#include "targets/FuzzEntries.h"
#include "targets/FuzzScratchFile.h"
#include "update/UpdateManifest.h"

// The manifest as the update reads it from a signed archive: read, its version compared with
// the announced and the running one, its files looked up in a folder; a manifest that reads
// must read back the same from the text it writes.
void FuzzEntries::updateManifest(const QByteArray& input) {
    const std::optional<UpdateManifest> manifest = UpdateManifest::parse(input);
    if (!manifest)
        return;
    manifest->fits(UpdateVersion::parse(manifest->versionText), runningVersion());
    const std::optional<UpdateManifest> again = UpdateManifest::parse(manifest->text());
    if (!again || again->files != manifest->files || again->versionText != manifest->versionText)
        qFatal("A manifest that was read does not read back from the text it writes");
    manifest->firstMismatch(FuzzScratchFile::path(QStringLiteral("manifest-files")));
}
