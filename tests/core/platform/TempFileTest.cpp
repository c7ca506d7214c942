#include "platform/TempFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(TempFile, CreatesANewEmptyFileWithThePrefixInTheTemporaryFolder) {
    const QString first = TempFile::create(QStringLiteral("EMF"));
    const QString second = TempFile::create(QStringLiteral("EMF"));
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_NE(first, second);
    for (const QString& path : {first, second}) {
        const QFileInfo file(path);
        EXPECT_TRUE(file.exists());
        EXPECT_EQ(file.size(), 0);
        EXPECT_TRUE(file.fileName().startsWith(QLatin1String("EMF")));
        EXPECT_EQ(file.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        QFile::remove(path);
    }
}

TEST(TempFile, CreatesAFileWithItsContents) {
    const QByteArray bytes("page image\0bytes", 16);
    const QString path = TempFile::createWith(QStringLiteral("EMF"), bytes);
    ASSERT_FALSE(path.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QLatin1String("EMF")));
    file.remove();
}

TEST(TempFile, CreatesANewPrivateFolderWithThePrefix) {
    const QString first = TempFile::createFolder(QStringLiteral("EMF"));
    const QString second = TempFile::createFolder(QStringLiteral("EMF"));
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_NE(first, second);
    for (const QString& path : {first, second}) {
        const QFileInfo folder(path);
        EXPECT_TRUE(folder.isDir());
        EXPECT_TRUE(folder.fileName().startsWith(QLatin1String("EMF")));
        EXPECT_EQ(folder.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        EXPECT_EQ(folder.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
                  QFile::Permissions())
            << "others may not enter a folder of work files";
        EXPECT_TRUE(QDir().rmdir(path));
    }
}
