#include "update/UpdateArchive.h"

#include "support/TestFiles.h"
#include "support/TestZip.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(UpdateArchiveNames, OnlyPlainRelativeNamesAreSafe) {
    const struct {
        const char* name;
        bool safe;
    } cases[] = {{"vantrobe", true},   {"lib/libx.so", true},  {"a/b/c.txt", true},
                 {"", false},          {"/etc/passwd", false}, {"../x", false},
                 {"a/../../x", false}, {"a/..", false},        {"./x", false},
                 {"a//b", false},      {"C:/x", false},        {"c:x", false},
                 {"a\\..\\x", false},  {"\\x", false}};
    for (const auto& [name, safe] : cases)
        EXPECT_EQ(UpdateArchive::isSafeRelativeName(QString::fromUtf8(name)), safe) << name;
}

class UpdateArchiveExtraction : public ::testing::Test {
protected:
    QString archive() const { return scratch.filePath(QStringLiteral("VANTROUP.ZIP")); }
    QString target() const { return scratch.filePath(QStringLiteral("VANTROUP")); }
    // Every file below the scratch folder except the archive itself.
    QStringList writtenFiles() const {
        QStringList files;
        QDirIterator it(scratch.path(), QDir::Files | QDir::System | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path != archive())
                files << QDir(scratch.path()).relativeFilePath(path);
        }
        return files;
    }

    QTemporaryDir scratch;
};

TEST_F(UpdateArchiveExtraction, UnpacksFilesWithTheirFoldersTimesAndModes) {
    TestZip::write(archive(), {{"vantrobe", "program", false, 0755},
                               {"lib/", {}},
                               {"lib/libx.so", QByteArray(5000, 'x')}});
    ASSERT_TRUE(UpdateArchive::extractSafely(archive(), target()));
    EXPECT_EQ(TestFiles::readAll(target() + "/vantrobe"), "program");
    EXPECT_EQ(TestFiles::readAll(target() + "/lib/libx.so"), QByteArray(5000, 'x'));
    const QFileInfo program(target() + "/vantrobe");
    EXPECT_TRUE(program.isExecutable());
    EXPECT_EQ(program.lastModified().date(), QDate(2026, 6, 15));
}

TEST_F(UpdateArchiveExtraction, RefusesUnsafeArchivesWithoutWritingAnything) {
    const std::vector<std::vector<TestZip::Entry>> archives = {
        {{"good.txt", "fine"}, {"../escaped.txt", "bad"}},
        {{"good.txt", "fine"}, {"sub/../../escaped.txt", "bad"}},
        {{"good.txt", "fine"}, {scratch.filePath("absolute.txt"), "bad"}},
        {{"good.txt", "fine"}, {"link", "/etc/passwd", true}},
        {{"good.txt", "fine"}, {"..\\escaped.txt", "bad"}},
        {},
    };
    for (const auto& entries : archives) {
        QFile::remove(archive());
        TestZip::write(archive(), entries);
        EXPECT_FALSE(UpdateArchive::extractSafely(archive(), target()));
        EXPECT_EQ(writtenFiles(), QStringList());
    }
}

TEST_F(UpdateArchiveExtraction, RefusesArchivesBeyondTheCaps) {
    TestZip::write(archive(), {{"a", QByteArray(600, 'a')}, {"b", QByteArray(600, 'b')}});
    EXPECT_FALSE(UpdateArchive::extractSafely(archive(), target(), {10, 1000}));
    EXPECT_FALSE(UpdateArchive::extractSafely(archive(), target(), {1, 1 << 20}));
    EXPECT_EQ(writtenFiles(), QStringList());
    EXPECT_TRUE(UpdateArchive::extractSafely(archive(), target(), {2, 1200}));
}

TEST_F(UpdateArchiveExtraction, ANonArchiveIsRefused) {
    TestFiles::writeAll(archive(), "<html>not found</html>");
    EXPECT_FALSE(UpdateArchive::extractSafely(archive(), target()));
    EXPECT_FALSE(UpdateArchive::extractSafely(scratch.filePath("missing.zip"), target()));
}

} // namespace
