#include "targets/FuzzScratchFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
const QTemporaryDir& folder() {
    static const QTemporaryDir dir;
    return dir;
}
} // namespace

QString FuzzScratchFile::path(const QString& name) {
    return folder().filePath(name);
}

QString FuzzScratchFile::write(const QString& name, const QByteArray& bytes) {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("The fuzz input could not be written to %s", qPrintable(file.fileName()));
    return file.fileName();
}
