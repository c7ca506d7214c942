#include "update/updater/StagedInstall.h"

#include "update/UpdateFileNames.h"
#include "update/UpdateManifest.h"
#include "update/updater/InstallJournal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTextStream>

namespace {
// A path holds something, also a link whose target is gone.
bool present(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

class Installation {
public:
    Installation(const QString& programFolder, const StagedInstall::RenameHook& beforeRename)
        : program_(programFolder),
          newFolder_(program_.filePath(QLatin1String(UpdateFileNames::kNewFolder))),
          oldFolder_(program_.filePath(QLatin1String(UpdateFileNames::kOldFolder))),
          lock_(program_.filePath(QLatin1String(UpdateFileNames::kJournalLock))),
          beforeRename_(beforeRename) {
        lock_.setStaleLockTime(0); // only a lock whose process has ended is stale
    }

    bool lock() {
        if (lock_.tryLock())
            return true;
        log(QStringLiteral("another installer is at work on this folder"));
        return false;
    }

    // Puts back the install of the journal, if there is one.
    bool recover() {
        if (!InstallJournal::exists(program_.path()))
            return true;
        const std::optional<InstallJournal> journal = InstallJournal::read(program_.path());
        if (!journal) {
            log(QStringLiteral("the journal of an interrupted update is damaged; nothing was "
                               "put back"));
            return false;
        }
        log(QStringLiteral("putting back an interrupted update"));
        return rollBack(*journal);
    }

    std::optional<UpdateManifest> checkedManifest() const {
        std::optional<UpdateManifest> manifest =
            UpdateManifest::read(newFolder_.filePath(QLatin1String(UpdateFileNames::kManifest)));
        if (!manifest) {
            log(QStringLiteral("no complete update is staged; nothing was installed"));
            return std::nullopt;
        }
        const QString mismatch = manifest->firstMismatch(newFolder_.path());
        if (!mismatch.isEmpty()) {
            log(QStringLiteral("the staged %1 does not match the update's manifest; nothing was "
                               "installed")
                    .arg(mismatch));
            return std::nullopt;
        }
        return manifest;
    }

    bool install(const UpdateManifest& manifest) {
        oldFolder_.removeRecursively();
        const InstallJournal journal = plan(manifest);
        if (!program_.mkpath(oldFolder_.path()) || !journal.write(program_.path())) {
            log(QStringLiteral("could not write the journal; nothing was installed"));
            return false;
        }
        for (const QString& folder : journal.createdFolders)
            program_.mkpath(folder);
        for (const InstallJournal::Move& move : journal.moves) {
            if (!installFile(move)) {
                rollBack(journal);
                log(QStringLiteral("update failed; the program folder is as before"));
                return false;
            }
        }
        InstallJournal::remove(program_.path());
        newFolder_.removeRecursively();
        log(QStringLiteral("update installed"));
        return true;
    }

    void log(const QString& line) const { StagedInstall::log(program_.path(), line); }

private:
    QString target(const QString& name) const { return program_.filePath(name); }
    QString staged(const QString& name) const { return newFolder_.filePath(name); }
    QString kept(const QString& name) const { return oldFolder_.filePath(name); }

    InstallJournal plan(const UpdateManifest& manifest) const {
        InstallJournal journal;
        for (const UpdateManifest::File& file : manifest.files) {
            for (qsizetype slash = file.name.indexOf(u'/'); slash >= 0;
                 slash = file.name.indexOf(u'/', slash + 1)) {
                const QString folder = file.name.left(slash);
                if (!present(target(folder)) && !journal.createdFolders.contains(folder))
                    journal.createdFolders << folder;
            }
            journal.moves.push_back({file.name, present(target(file.name))});
        }
        return journal;
    }

    // Renames without ever replacing what is at `to`.
    bool rename(const QString& from, const QString& to) {
        if (present(to) || !QDir().mkpath(QFileInfo(to).path()))
            return false;
        if (beforeRename_)
            beforeRename_();
        return QFile::rename(from, to);
    }

    bool installFile(const InstallJournal::Move& move) {
        if (move.replaces && !rename(target(move.name), kept(move.name))) {
            log(QStringLiteral("could not keep %1 in Old").arg(move.name));
            return false;
        }
        if (!rename(staged(move.name), target(move.name))) {
            log(QStringLiteral("could not install %1").arg(move.name));
            return false;
        }
        log(QStringLiteral("installed %1").arg(move.name));
        return true;
    }

    // Undoes one move from whatever point it reached: an installed file goes back to "New",
    // then a replaced one comes back from "Old".
    bool putBack(const InstallJournal::Move& move) {
        const QString name = move.name;
        const bool installed = !present(staged(name)) && present(target(name)) &&
                               (!move.replaces || present(kept(name)));
        if (installed && !rename(target(name), staged(name)))
            return false;
        if (move.replaces && !present(target(name)) && !rename(kept(name), target(name)))
            return false;
        return present(staged(name)) && present(target(name)) == move.replaces;
    }

    bool rollBack(const InstallJournal& journal) {
        bool whole = true;
        for (auto move = journal.moves.rbegin(); move != journal.moves.rend(); ++move) {
            const bool back = putBack(*move);
            log((back ? QStringLiteral("put back %1") : QStringLiteral("could not put back %1"))
                    .arg(move->name));
            whole = whole && back;
        }
        for (auto folder = journal.createdFolders.rbegin(); folder != journal.createdFolders.rend();
             ++folder)
            program_.rmdir(*folder);
        if (whole)
            InstallJournal::remove(program_.path());
        return whole;
    }

    QDir program_;
    QDir newFolder_;
    QDir oldFolder_;
    QLockFile lock_;
    const StagedInstall::RenameHook& beforeRename_;
};
} // namespace

namespace StagedInstall {

bool install(const QString& programFolder, const RenameHook& beforeRename) {
    Installation installation(programFolder, beforeRename);
    installation.log(QStringLiteral("update started"));
    if (!installation.lock() || !installation.recover())
        return false;
    const std::optional<UpdateManifest> manifest = installation.checkedManifest();
    return manifest && installation.install(*manifest);
}

bool recoverInterrupted(const QString& programFolder, const RenameHook& beforeRename) {
    if (!InstallJournal::exists(programFolder))
        return true;
    Installation installation(programFolder, beforeRename);
    return installation.lock() && installation.recover();
}

void log(const QString& programFolder, const QString& line) {
    QFile file(QDir(programFolder).filePath(QLatin1String(UpdateFileNames::kLog)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream(&file) << QDateTime::currentDateTime().toString(Qt::ISODate) << ' ' << line << '\n';
}

} // namespace StagedInstall
