#include "update/updater/StagedInstall.h"

#include "update/UpdateStaging.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <vector>

namespace {
// One file taken from "New" into the program folder.
struct Move {
    QString name;          // relative to the program folder
    bool replaced = false; // an installed file was moved to "Old"
    bool installed = false;
};

class Installation {
public:
    explicit Installation(const QString& programFolder)
        : program_(programFolder),
          newFolder_(program_.filePath(QLatin1String(UpdateStaging::kNewFolder))),
          oldFolder_(program_.filePath(QLatin1String(UpdateStaging::kOldFolder))) {}

    QStringList stagedNames() const {
        QStringList names;
        QDirIterator files(newFolder_.path(), QDir::Files | QDir::Hidden | QDir::System,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            names << newFolder_.relativeFilePath(files.next());
        names.sort();
        return names;
    }

    bool installFile(const QString& name) {
        moves_.push_back({name});
        Move& move = moves_.back();
        const QString target = program_.filePath(name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
            if (!moveFile(target, oldFolder_.filePath(name)))
                return fail(QStringLiteral("could not keep %1 in Old").arg(name));
            move.replaced = true;
        }
        if (!moveFile(newFolder_.filePath(name), target))
            return fail(QStringLiteral("could not install %1").arg(name));
        move.installed = true;
        log(QStringLiteral("installed %1").arg(name));
        return true;
    }

    void rollBack() {
        for (auto move = moves_.rbegin(); move != moves_.rend(); ++move) {
            const QString target = program_.filePath(move->name);
            if (move->installed)
                QFile::remove(target);
            if (move->replaced && !moveFile(oldFolder_.filePath(move->name), target))
                log(QStringLiteral("could not put back %1").arg(move->name));
            else
                log(QStringLiteral("put back %1").arg(move->name));
        }
    }

    void removeEmptyNewFolder() { newFolder_.removeRecursively(); }

    void log(const QString& line) const { StagedInstall::log(program_.path(), line); }

private:
    static bool moveFile(const QString& from, const QString& to) {
        if (!QDir().mkpath(QFileInfo(to).path()))
            return false;
        if (QFileInfo::exists(to) && !QFile::remove(to))
            return false;
        return QFile::rename(from, to);
    }

    bool fail(const QString& why) {
        log(why);
        return false;
    }

    QDir program_;
    QDir newFolder_;
    QDir oldFolder_;
    std::vector<Move> moves_;
};
} // namespace

namespace StagedInstall {

bool install(const QString& programFolder) {
    Installation installation(programFolder);
    installation.log(QStringLiteral("update started"));
    for (const QString& name : installation.stagedNames()) {
        if (!installation.installFile(name)) {
            installation.rollBack();
            installation.log(QStringLiteral("update failed; the program folder is as before"));
            return false;
        }
    }
    installation.removeEmptyNewFolder();
    installation.log(QStringLiteral("update installed"));
    return true;
}

void log(const QString& programFolder, const QString& line) {
    QFile file(QDir(programFolder).filePath(QLatin1String(kLogFileName)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream(&file) << QDateTime::currentDateTime().toString(Qt::ISODate) << ' ' << line << '\n';
}

} // namespace StagedInstall
