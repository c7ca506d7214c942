#pragma once

#include "update/UpdateServer.h"
#include "update/UpdateVersionFile.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>

// What an update download needs to know besides the version file.
struct UpdateJobSettings {
    UpdateServer server;
    QByteArray publicKey;    // the archive's signature must check out against it
    QString temporaryFolder; // receives "VANTROUP.ZIP" and the unpack folder "VANTROUP"
    QString programFolder;   // receives the staged "New" and the empty "Old"
    int deadlineSeconds = 1800;
    qint64 maxArchiveBytes = qint64(512) << 20;
};

// The download and installation of an update, run on a worker thread: downloads the archive
// with progress, checks its detached signature, unpacks it safely and stages the listed files.
// It touches no widget; it reports through its signals, which the dialog receives queued.
class UpdateJob : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Installed, DownloadFailed, UnzipFailed, StagingFailed };
    Q_ENUM(Outcome)

    static constexpr char kArchiveName[] = "VANTROUP.ZIP";
    static constexpr char kUnpackFolderName[] = "VANTROUP";

    UpdateJob(UpdateJobSettings settings, UpdateVersionFile versionFile,
              QByteArray versionFileText);

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
    QString archivePath() const;
    QString unpackFolder() const;
    bool downloadArchive();
    bool archiveIsSigned(const QByteArray& archive) const;
    bool unpackArchive(const QByteArray& archive) const;

    UpdateJobSettings settings_;
    UpdateVersionFile versionFile_;
    QByteArray versionFileText_;
    std::atomic<bool> cancelled_ = false;
};
