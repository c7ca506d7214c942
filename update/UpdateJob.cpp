#include "update/UpdateJob.h"

#include "platform/SafeUnzip.h"
#include "update/DownloadProgress.h"
#include "update/HttpTransfer.h"
#include "update/UpdateFileNames.h"
#include "update/UpdateManifest.h"
#include "update/UpdateSignature.h"
#include "update/UpdateStaging.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr int kSignatureTimeoutSeconds = 60;
constexpr qint64 kMaxSignatureBytes = 1024;
const SafeUnzip::Limits kArchiveLimits{10000, qint64(1) << 30};

// Clears what an earlier update left in the unpack folder, so that only this archive's files
// can be staged; a link in its place is removed, never followed.
bool makeEmptyFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink() || info.isFile())
        QFile::remove(path);
    else if (info.isDir())
        QDir(path).removeRecursively();
    return QDir().mkpath(path);
}
} // namespace

UpdateJob::UpdateJob(UpdateJobSettings settings, const UpdateVersion& announced)
    : settings_(std::move(settings)), announced_(announced) {}

QString UpdateJob::unpackFolder() const {
    return QDir(settings_.workFolder).filePath(QLatin1String(kUnpackFolderName));
}

void UpdateJob::run() {
    const std::optional<QByteArray> archive = downloadArchive();
    if (!archive || !isSigned(*archive)) {
        emit finished(Outcome::DownloadFailed);
        return;
    }
    emit installing();
    emit finished(install(*archive));
}

UpdateJob::Outcome UpdateJob::install(const QByteArray& archive) const {
    if (!unpack(archive))
        return Outcome::UnzipFailed;
    const std::optional<UpdateManifest> manifest = fittingManifest();
    if (!manifest)
        return Outcome::Refused;
    return UpdateStaging::stage(unpackFolder(), settings_.programFolder, *manifest)
               ? Outcome::Installed
               : Outcome::StagingFailed;
}

std::optional<QByteArray> UpdateJob::downloadArchive() {
    const QDeadlineTimer deadline(std::chrono::seconds(settings_.deadlineSeconds));
    QString shownText;
    const auto progress = [&](quint64 received, quint64 total) {
        if (cancelled_ || deadline.hasExpired())
            return false;
        const QString text = DownloadProgress::text(received, total);
        if ((received > 0 || total > 0) && text != shownText) {
            shownText = text;
            emit progressChanged(text, DownloadProgress::percent(received, total));
        }
        return true;
    };
    const HttpTransfer::FetchResult download = HttpTransfer::fetch(
        {settings_.server.archiveUrl(), settings_.maxArchiveBytes, settings_.deadlineSeconds, true,
         settings_.server.certificateAuthorities, progress});
    if (download.outcome != HttpTransfer::FetchOutcome::Fetched)
        return std::nullopt;
    return download.body;
}

bool UpdateJob::isSigned(const QByteArray& archive) const {
    const HttpTransfer::FetchResult signature =
        HttpTransfer::fetch({settings_.server.signatureUrl(),
                             kMaxSignatureBytes,
                             kSignatureTimeoutSeconds,
                             true,
                             settings_.server.certificateAuthorities,
                             {}});
    return signature.outcome == HttpTransfer::FetchOutcome::Fetched &&
           UpdateSignature::verify(archive, signature.body, settings_.publicKey);
}

bool UpdateJob::unpack(const QByteArray& archive) const {
    return makeEmptyFolder(unpackFolder()) &&
           SafeUnzip::unpack(archive, unpackFolder(), SafeUnzip::Layout::KeepFolders,
                             kArchiveLimits);
}

// The manifest of the unpacked archive when it is of the announced version, newer than the
// running one, and every file it lists was unpacked as it describes it.
std::optional<UpdateManifest> UpdateJob::fittingManifest() const {
    std::optional<UpdateManifest> manifest = UpdateManifest::read(
        QDir(unpackFolder()).filePath(QLatin1String(UpdateFileNames::kManifest)));
    if (!manifest || !manifest->fits(announced_, settings_.running) ||
        !manifest->firstMismatch(unpackFolder()).isEmpty())
        return std::nullopt;
    return manifest;
}
