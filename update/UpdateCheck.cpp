#include "update/UpdateCheck.h"

#include "update/HttpTransfer.h"
#include "update/UpdateStaging.h"

namespace {
constexpr int kFetchTimeoutSeconds = 60;
} // namespace

UpdateCheck UpdateCheck::run(const QString& versionFileUrl, const QString& programFolder,
                             const UpdateVersion& running) {
    const HttpTransfer::FetchResult fetched =
        HttpTransfer::fetch(versionFileUrl, UpdateVersionFile::kMaxBytes, kFetchTimeoutSeconds);
    UpdateCheck check;
    if (fetched.outcome == HttpTransfer::FetchOutcome::Failed)
        return check;
    check.versionFile = UpdateVersionFile::split(fetched.body);
    if (fetched.outcome == HttpTransfer::FetchOutcome::TooLarge ||
        !check.versionFile.isCompatible()) {
        check.outcome = Outcome::Incompatible;
        return check;
    }
    const bool newer = UpdateVersion::parse(check.versionFile.versionText).isNewerThan(running);
    if (newer && UpdateStaging::writeVersionFile(programFolder, fetched.body)) {
        check.outcome = Outcome::NewerFound;
        check.versionFileText = fetched.body;
    }
    return check;
}
