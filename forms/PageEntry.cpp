#include "forms/PageEntry.h"

#include <QFile>

QByteArray PageEntry::image(int index) const {
    if (!images[index].isEmpty())
        return images[index];
    QFile file(imagePaths[index]);
    return !imagePaths[index].isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                          : QByteArray();
}
