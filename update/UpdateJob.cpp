#include "update/UpdateJob.h"

#include "platform/SafeUnzip.h"
#include "update/DownloadProgress.h"
#include "update/HttpTransfer.h"
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

QByteArray readFile(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes)
        return {};
    return file.readAll();
}

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

UpdateJob::UpdateJob(UpdateJobSettings settings, UpdateVersionFile versionFile,
                     QByteArray versionFileText)
    : settings_(std::move(settings)), versionFile_(std::move(versionFile)),
      versionFileText_(std::move(versionFileText)) {}

QString UpdateJob::archivePath() const {
    return QDir(settings_.temporaryFolder).filePath(QLatin1String(kArchiveName));
}

QString UpdateJob::unpackFolder() const {
    return QDir(settings_.temporaryFolder).filePath(QLatin1String(kUnpackFolderName));
}

void UpdateJob::run() {
    // The archive is read once: the bytes whose signature was checked are the ones unpacked.
    const QByteArray archive =
        downloadArchive() ? readFile(archivePath(), settings_.maxArchiveBytes) : QByteArray();
    if (archive.isEmpty() || !archiveIsSigned(archive)) {
        emit finished(Outcome::DownloadFailed);
        return;
    }
    emit installing();
    if (!unpackArchive(archive)) {
        emit finished(Outcome::UnzipFailed);
        return;
    }
    const bool staged = UpdateStaging::stage(unpackFolder(), settings_.programFolder, versionFile_,
                                             versionFileText_);
    emit finished(staged ? Outcome::Installed : Outcome::StagingFailed);
}

bool UpdateJob::downloadArchive() {
    const QDeadlineTimer deadline(std::chrono::seconds(settings_.deadlineSeconds));
    QString shownText;
    const auto progress = [&](quint64 received, quint64 total) {
        if (cancelled_ || deadline.hasExpired())
            return false;
        const QString text = DownloadProgress::text(received, total);
        if (text != shownText) {
            shownText = text;
            emit progressChanged(text, DownloadProgress::percent(received, total));
        }
        return true;
    };
    return HttpTransfer::download(settings_.server.archiveUrl(), archivePath(),
                                  settings_.maxArchiveBytes, progress);
}

bool UpdateJob::archiveIsSigned(const QByteArray& archive) const {
    const HttpTransfer::FetchResult signature = HttpTransfer::fetch(
        settings_.server.signatureUrl(), kMaxSignatureBytes, kSignatureTimeoutSeconds);
    return signature.outcome == HttpTransfer::FetchOutcome::Fetched &&
           UpdateSignature::verify(archive, signature.body, settings_.publicKey);
}

bool UpdateJob::unpackArchive(const QByteArray& archive) const {
    return makeEmptyFolder(unpackFolder()) &&
           SafeUnzip::unpack(archive, unpackFolder(), SafeUnzip::Layout::KeepFolders,
                             kArchiveLimits);
}
