#include "platform/SafeWrite.h"

#include <QSaveFile>

std::optional<QString> SafeWrite::replace(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // The flush is checked here: a buffered write that fails only when the file is closed
    // would otherwise still be renamed over the previous file, cut short.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
