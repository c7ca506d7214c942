#include "update/UpdateCheck.h"

#include "update/HttpTransfer.h"
#include "update/UpdateStaging.h"

namespace {
constexpr int kFetchTimeoutSeconds = 60;
} // namespace

UpdateCheck UpdateCheck::run(const UpdateServer& server, const QString& programFolder,
                             const UpdateVersion& running, const std::function<bool()>& cancelled) {
    HttpTransfer::Request request{server.versionFileUrl(),       UpdateVersionFile::kMaxBytes,
                                  kFetchTimeoutSeconds,          false,
                                  server.certificateAuthorities, {}};
    if (cancelled)
        request.progress = [&cancelled](quint64, quint64) { return !cancelled(); };
    const HttpTransfer::FetchResult fetched = HttpTransfer::fetch(request);
    UpdateCheck check;
    if (fetched.outcome == HttpTransfer::FetchOutcome::Failed)
        return check;
    check.versionFile = UpdateVersionFile::split(fetched.body);
    if (fetched.outcome == HttpTransfer::FetchOutcome::TooLarge ||
        !check.versionFile.isCompatible()) {
        check.outcome = Outcome::Incompatible;
        return check;
    }
    if (!UpdateVersion::parse(check.versionFile.versionText).isNewerThan(running))
        return check;
    if (!UpdateStaging::canWrite(programFolder))
        check.outcome = Outcome::ProgramFolderReadOnly;
    else if (UpdateStaging::writeVersionFile(programFolder, fetched.body))
        check.outcome = Outcome::NewerFound;
    return check;
}
