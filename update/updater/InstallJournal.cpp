#include "update/updater/InstallJournal.h"

#include "platform/SafeRelativeName.h"
#include "update/UpdateFileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr char kFirstLine[] = "Vantrobe install journal 1";
constexpr char kFolder[] = "folder ";
constexpr char kReplace[] = "replace ";
constexpr char kAdd[] = "add ";
constexpr qint64 kMaxBytes = qint64(4) << 20;

// The name after `keyword` at the start of the line, when the line starts with it.
std::optional<QString> nameAfter(const QString& line, const char* keyword) {
    if (!line.startsWith(QLatin1String(keyword)))
        return std::nullopt;
    return line.mid(qsizetype(qstrlen(keyword)));
}

bool addLine(InstallJournal& journal, const QString& line) {
    if (const std::optional<QString> folder = nameAfter(line, kFolder)) {
        journal.createdFolders << *folder;
        return SafeRelativeName::isSafe(*folder);
    }
    for (const auto& [keyword, replaces] : {std::pair{kReplace, true}, std::pair{kAdd, false}}) {
        if (const std::optional<QString> name = nameAfter(line, keyword)) {
            journal.moves.push_back({*name, replaces});
            return SafeRelativeName::isSafe(*name);
        }
    }
    return false;
}
} // namespace

QByteArray InstallJournal::text() const {
    QByteArray text = QByteArray(kFirstLine) + '\n';
    for (const QString& folder : createdFolders)
        text += kFolder + folder.toUtf8() + '\n';
    for (const Move& move : moves)
        text += (move.replaces ? kReplace : kAdd) + move.name.toUtf8() + '\n';
    return text;
}

std::optional<InstallJournal> InstallJournal::parse(const QByteArray& text) {
    if (!text.endsWith('\n'))
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(text.chopped(1)).split(u'\n');
    if (lines.first() != QLatin1String(kFirstLine))
        return std::nullopt;
    InstallJournal journal;
    for (qsizetype index = 1; index < lines.size(); ++index) {
        if (!addLine(journal, lines[index]))
            return std::nullopt;
    }
    return journal;
}

QString InstallJournal::path(const QString& programFolder) {
    return QDir(programFolder).filePath(QLatin1String(UpdateFileNames::kJournal));
}

bool InstallJournal::exists(const QString& programFolder) {
    return QFileInfo::exists(path(programFolder));
}

bool InstallJournal::write(const QString& programFolder) const {
    QSaveFile file(path(programFolder));
    const QByteArray bytes = text();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

std::optional<InstallJournal> InstallJournal::read(const QString& programFolder) {
    QFile file(path(programFolder));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBytes)
        return std::nullopt;
    return parse(file.readAll());
}

bool InstallJournal::remove(const QString& programFolder) {
    return QFile::remove(path(programFolder));
}
