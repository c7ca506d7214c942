#include "replay/ReplayInputs.h"

#include "support/TestPaths.h"

#include <QDir>
#include <QFileInfo>

namespace {
// The files of a folder, of a "folder/*.suffix" pattern, or the file itself.
QStringList filesAt(const QString& path) {
    const QFileInfo info(path);
    const bool pattern = info.fileName().contains(u'*');
    if (!pattern && info.isFile())
        return {info.absoluteFilePath()};
    const QDir folder(pattern ? info.path() : path);
    const QStringList filters = pattern ? QStringList{info.fileName()} : QStringList{};
    QStringList files;
    for (const QFileInfo& file :
         folder.entryInfoList(filters, QDir::Files | QDir::Hidden, QDir::Name))
        files.append(file.absoluteFilePath());
    return files;
}
} // namespace

QStringList replayInputs(const FuzzTarget& target) {
    QStringList inputs;
    for (const QString& seed : target.seeds)
        inputs += filesAt(TestPaths::source(seed));
    const QString name = QString::fromLatin1(target.name);
    inputs += filesAt(TestPaths::source(QStringLiteral("tests/fuzz/regressions/") + name));
    const QString extra = qEnvironmentVariable("VANTROBE_FUZZ_REGRESSIONS_DIR");
    if (!extra.isEmpty())
        inputs += filesAt(QDir(extra).filePath(name));
    return inputs;
}
