#include "support/TestFiles.h"

#include <QFile>
#include <gtest/gtest.h>

QByteArray TestFiles::readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestFiles::writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << "cannot write " << path.toStdString();
    file.write(bytes);
}
