#include "support/StagedProgramFolder.h"

#include "support/TestFiles.h"
#include "support/TestUpdates.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {
const std::vector<TestZip::Entry> kStaged = {{"lib/libx.so", "new library"},
                                             {"plugins/extra.so", "new plugin"},
                                             {"vantrobe", "new program"}};

bool isUpdateBookkeeping(const QString& name) {
    const QString first = name.section(u'/', 0, 0);
    return first == QLatin1String("New") || first == QLatin1String("Old") ||
           first.startsWith(QLatin1String("Update"));
}
} // namespace

StagedProgramFolder::StagedProgramFolder() {
    for (const auto& [name, bytes] : oldVersion()) {
        if (!name.endsWith(u'/'))
            put(name, bytes);
    }
    for (const TestZip::Entry& file : kStaged)
        put(QStringLiteral("New/") + file.name, file.bytes);
    put(QStringLiteral("New/VanManifest.txt"), TestUpdates::manifestFor(kStaged, "2.1"));
    QDir(path()).mkpath(QStringLiteral("Old"));
}

QString StagedProgramFolder::path(const QString& name) const {
    return QDir(folder_.path()).filePath(name);
}

QByteArray StagedProgramFolder::read(const QString& name) const {
    return TestFiles::readAll(path(name));
}

void StagedProgramFolder::put(const QString& name, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(path(name)).path());
    TestFiles::writeAll(path(name), bytes);
}

StagedProgramFolder::Content StagedProgramFolder::programFiles() const {
    Content content;
    const QDir root(path());
    QDirIterator found(path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                       QDirIterator::Subdirectories);
    while (found.hasNext()) {
        const QFileInfo entry(found.next());
        const QString name = root.relativeFilePath(entry.filePath());
        if (isUpdateBookkeeping(name))
            continue;
        if (entry.isDir())
            content[name + u'/'] = {};
        else
            content[name] = TestFiles::readAll(entry.filePath());
    }
    return content;
}

StagedProgramFolder::Content StagedProgramFolder::oldVersion() {
    return {{"Data.tbl", "tax table"},
            {"lib/", {}},
            {"lib/libx.so", "old library"},
            {"vantrobe", "old program"}};
}

StagedProgramFolder::Content StagedProgramFolder::newVersion() {
    return {{"Data.tbl", "tax table"},          {"lib/", {}},
            {"lib/libx.so", "new library"},     {"plugins/", {}},
            {"plugins/extra.so", "new plugin"}, {"vantrobe", "new program"}};
}

int StagedProgramFolder::renamesOfAnInstall() {
    return 5;
}
