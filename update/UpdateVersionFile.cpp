#include "update/UpdateVersionFile.h"

#include <QRegularExpression>

UpdateVersionFile UpdateVersionFile::split(const QByteArray& text) {
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    const QStringList lines = QString::fromUtf8(text).split(lineBreaks, Qt::SkipEmptyParts);
    UpdateVersionFile file;
    file.flag = lines.value(0);
    file.versionText = lines.value(1);
    for (int slot = 0; slot < kNameSlots; ++slot)
        file.names[slot] = lines.value(2 + slot);
    return file;
}
