#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace AtomicFile {

bool write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace AtomicFile
