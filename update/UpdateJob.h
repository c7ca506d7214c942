#pragma once

#include "update/UpdateServer.h"
#include "update/UpdateVersion.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>
#include <optional>

struct UpdateManifest;

// What an update download needs to know besides the announced version.
struct UpdateJobSettings {
    UpdateServer server;
    QByteArray publicKey;  // the archive's signature must check out against it
    QString workFolder;    // a private folder of this run; receives the unpack folder "VANTROUP"
    QString programFolder; // receives the staged "New" and the empty "Old"
    int deadlineSeconds = 1800;
    qint64 maxArchiveBytes = qint64(512) << 20;
    UpdateVersion running = runningVersion();
};

// The download and installation of an update, run on a worker thread: downloads the archive
// into memory with progress, checks its detached signature, unpacks the checked bytes safely,
// checks the manifest inside against the announced and the running version and against the
// unpacked files, and stages exactly the files it lists. It touches no widget; it reports
// through its signals, which the dialog receives queued.
class UpdateJob : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Installed, DownloadFailed, UnzipFailed, Refused, StagingFailed };
    Q_ENUM(Outcome)

    static constexpr char kUnpackFolderName[] = "VANTROUP";

    UpdateJob(UpdateJobSettings settings, const UpdateVersion& announced);

    // Runs the whole job on the calling thread and ends with finished().
    void run();
    // Aborts the download at its next progress report; safe from any thread.
    void cancel() { cancelled_ = true; }

signals:
    // A new progress text and the bar position (0-100).
    void progressChanged(const QString& text, int percent);
    // The archive is downloaded and signed; unpacking and staging start.
    void installing();
    void finished(UpdateJob::Outcome outcome);

private:
    QString unpackFolder() const;
    std::optional<QByteArray> downloadArchive();
    bool isSigned(const QByteArray& archive) const;
    bool unpack(const QByteArray& archive) const;
    std::optional<UpdateManifest> fittingManifest() const;
    Outcome install(const QByteArray& archive) const;

    UpdateJobSettings settings_;
    UpdateVersion announced_;
    std::atomic<bool> cancelled_ = false;
};
