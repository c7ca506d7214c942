#include "forms/PageFileWriter.h"

#include "forms/preview/ReturnGeneration.h"
#include "platform/PrivateTempFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QStringList pageFoldersOfTheRun() {
    return QDir(PrivateTempFolder::path())
        .entryList({QStringLiteral("EMF*")}, QDir::Dirs | QDir::NoDotAndDotDot);
}

PageList pageList(const QStringList& paths) {
    PageList pages;
    for (const QString& path : paths) {
        PageEntry page;
        page.imagePaths[0] = path;
        pages.push_back(page);
    }
    return pages;
}

// The pages of a return are numbered in the order written, in one folder of the return's own
// inside the run's private folder; deleting the return's pages removes the folder too.
TEST(PageFileWriter, PagesOfAReturnAreNumberedInAPrivateFolderThatGoesWithThem) {
    const QStringList before = pageFoldersOfTheRun();
    QStringList paths;
    {
        PageFileWriter files;
        for (const QByteArray image : {"first page", "second page", "third page"})
            paths << files.write(image);
    }
    ASSERT_EQ(paths.size(), 3);
    const QFileInfo folder(QFileInfo(paths[0]).absolutePath());
    EXPECT_TRUE(folder.fileName().startsWith(QLatin1String("EMF")));
    EXPECT_EQ(folder.absolutePath(), QFileInfo(PrivateTempFolder::path()).absoluteFilePath());
    EXPECT_EQ(folder.permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
    const QStringList names{"EMF001", "EMF002", "EMF003"};
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(QFileInfo(paths[page]).absolutePath(), folder.absoluteFilePath());
        EXPECT_EQ(QFileInfo(paths[page]).fileName(), names[page]);
    }
    EXPECT_EQ(TestFiles::readAll(paths[1]), QByteArray("second page"));

    deletePageFiles(pageList(paths));
    EXPECT_FALSE(QFileInfo::exists(folder.absoluteFilePath()));
    EXPECT_EQ(pageFoldersOfTheRun(), before);
}

TEST(PageFileWriter, TwoReturnsNeverShareAFolderAndAReturnWithoutPagesLeavesNone) {
    const QStringList before = pageFoldersOfTheRun();
    PageFileWriter first;
    PageFileWriter second;
    const QString one = first.write("page");
    const QString other = second.write("page");
    EXPECT_NE(QFileInfo(one).absolutePath(), QFileInfo(other).absolutePath());
    deletePageFiles(pageList({one, other}));
    {
        PageFileWriter nothingWritten;
        EXPECT_TRUE(nothingWritten.write(QByteArray()).isEmpty());
    }
    EXPECT_EQ(pageFoldersOfTheRun(), before);
}

} // namespace
