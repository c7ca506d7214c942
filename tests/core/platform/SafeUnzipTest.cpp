// The one unpacker of outside archives, as the history (flat) and the update (with folders)
// use it: archives built with minizip as an attacker would build them.
#include "platform/SafeUnzip.h"

#include "platform/SafeRelativeName.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <minizip/zip.h>
#include <sys/stat.h>
#include <zlib.h>

namespace {
using SafeUnzip::Layout;

constexpr uLong kMadeOnUnix = (3 << 8) | 20;
constexpr uLong kRegularFile = 0100000;

struct Entry {
    QByteArray name;
    QByteArray data;
    uLong unixMode = 0; // type and permission bits of an entry made on a Unix system; 0: DOS
    const char* password = nullptr;
};

Entry unixEntry(const QByteArray& name, const QByteArray& data, uLong mode) {
    return {name, data, mode};
}

// The archive of the entries written with minizip as they are, whatever their names.
QByteArray zipOf(const std::vector<Entry>& entries) {
    QTemporaryDir folder;
    const QString path = folder.filePath("archive.zip");
    zipFile archive = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    EXPECT_TRUE(archive);
    for (const Entry& entry : entries) {
        zip_fileinfo info{};
        info.tmz_date = {0, 30, 12, 15, 5, 2026};
        info.external_fa = entry.unixMode << 16;
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(entry.data.constData()),
                                static_cast<uInt>(entry.data.size()));
        EXPECT_EQ(zipOpenNewFileInZip4(archive, entry.name.constData(), &info, nullptr, 0, nullptr,
                                       0, nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS,
                                       DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, entry.password, crc,
                                       entry.unixMode ? kMadeOnUnix : 0, 0),
                  ZIP_OK);
        zipWriteInFileInZip(archive, entry.data.constData(),
                            static_cast<unsigned>(entry.data.size()));
        zipCloseFileInZip(archive);
    }
    zipClose(archive, nullptr);
    return TestFiles::readAll(path);
}

// A raw deflate stream of `zeros` zero bytes.
QByteArray deflatedZeros(qint64 zeros) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    const QByteArray input(64 * 1024, '\0');
    QByteArray output;
    char buffer[16384];
    for (qint64 left = zeros; left >= 0; left -= input.size()) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.constData()));
        stream.avail_in = static_cast<uInt>(std::min<qint64>(left, input.size()));
        const int flush = left <= input.size() ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef*>(buffer);
            stream.avail_out = sizeof buffer;
            deflate(&stream, flush);
            output.append(buffer, static_cast<qsizetype>(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0);
        if (flush == Z_FINISH)
            break;
    }
    deflateEnd(&stream);
    return output;
}

// A good page, then one entry whose directory states `statedSize` bytes and checksum `crc`
// while its data inflates to `zeros` zero bytes.
QByteArray rawZip(qint64 zeros, uLong statedSize, uLong crc) {
    QTemporaryDir folder;
    const QString path = folder.filePath("raw.zip");
    zipFile archive = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    zip_fileinfo info{};
    zipOpenNewFileInZip(archive, "EMF1.tmp", &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                        Z_DEFAULT_COMPRESSION);
    zipWriteInFileInZip(archive, "good page", 9);
    zipCloseFileInZip(archive);
    zipOpenNewFileInZip2(archive, "EMF2.tmp", &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                         Z_BEST_COMPRESSION, 1);
    const QByteArray data = deflatedZeros(zeros);
    zipWriteInFileInZip(archive, data.constData(), static_cast<unsigned>(data.size()));
    zipCloseFileInZipRaw(archive, statedSize, crc);
    zipClose(archive, nullptr);
    return TestFiles::readAll(path);
}

uLong crcOfZeros(qint64 zeros) {
    const QByteArray bytes(zeros, '\0');
    return crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()),
                 static_cast<uInt>(bytes.size()));
}

class SafeUnzipTest : public ::testing::Test {
protected:
    QString target() const { return dir.filePath("tmp/target"); }
    std::optional<QStringList> unpack(const QByteArray& archive, Layout layout,
                                      const SafeUnzip::Limits& limits = {}) {
        return SafeUnzip::unpack(archive, target(), layout, limits);
    }
    // Every file and folder below the test folder, relative to it.
    QStringList written() const {
        QStringList paths;
        QDirIterator it(dir.path(),
                        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << QDir(dir.path()).relativeFilePath(it.next());
        return paths;
    }
    // Nothing below the test folder but the target folder itself (or not even that).
    void expectNothingWritten(const char* why) {
        QStringList left = written();
        left.removeAll("tmp");
        left.removeAll("tmp/target");
        EXPECT_EQ(left, QStringList()) << why;
    }
    QTemporaryDir dir;
};

TEST(SafeUnzipNames, OnlyPlainRelativeNamesEverySystemWritesAreSafe) {
    const struct {
        const char* name;
        bool safe;
    } cases[] = {
        {"vantrobe", true},   {"lib/libx.so", true},  {"a/b/c.txt", true},
        {"EMF1A2.tmp", true}, {"Zoë/page.emf", true}, {"console.txt", true},
        {"", false},          {"/etc/passwd", false}, {"../x", false},
        {"a/../../x", false}, {"a/..", false},        {"./x", false},
        {"a//b", false},      {"a/", false},          {"C:/x", false},
        {"c:x", false},       {"a:stream", false},    {"a\\..\\x", false},
        {"\\x", false},       {"NUL", false},         {"pages/con.emf", false},
        {"Com1.tmp", false},  {"lpt9", false},        {"page.", false},
        {"page ", false},     {"a*b", false},         {"a?b", false},
        {"a\"b", false},      {"a<b", false},         {"a>b", false},
        {"a|b", false},       {"tab\there", false},   {"new\nline", false},
    };
    for (const auto& [name, safe] : cases)
        EXPECT_EQ(SafeRelativeName::isSafe(QString::fromUtf8(name)), safe) << name;
}

TEST_F(SafeUnzipTest, DangerousEntriesAreRefusedInBothLayoutsBeforeAnythingIsWritten) {
    const std::vector<Entry> cases = {
        {"/etc/evil", "x"},
        {"../evil", "x"},
        {"pages/../../evil", "x"},
        {"..\\evil", "x"},
        {"pages\\EMF2.tmp", "x"},
        {"./EMF2.tmp", "x"},
        {"C:evil", "x"},
        {"c:\\windows\\evil", "x"},
        {"pages/NUL.emf", "x"},
        {"EMF2.tmp.", "x"},
        {"", "x"},
        unixEntry("link", "/etc/passwd", 0120777),
        unixEntry("pipe", "", 0010644),
        unixEntry("device", "", 0020644),
        {"secret", "x", 0, "password"},
    };
    for (const Entry& hostile : cases) {
        const QByteArray archive = zipOf({{"EMF1.tmp", "good page"}, hostile});
        for (Layout layout : {Layout::Flat, Layout::KeepFolders}) {
            EXPECT_FALSE(unpack(archive, layout)) << hostile.name.constData();
            expectNothingWritten(hostile.name.constData());
        }
    }
}

TEST_F(SafeUnzipTest, TwoEntriesLandingOnOneFileAreRefused) {
    const struct {
        std::vector<Entry> entries;
        Layout layout;
    } cases[] = {
        {{{"a/EMF1.tmp", "one"}, {"b/EMF1.tmp", "two"}}, Layout::Flat},
        {{{"EMF1.tmp", "one"}, {"emf1.TMP", "two"}}, Layout::Flat},
        {{{"lib/libx.so", "one"}, {"LIB/libx.so", "two"}}, Layout::KeepFolders},
        {{{"lib", "a file"}, {"lib/libx.so", "in a folder of the same name"}}, Layout::KeepFolders},
        {{{"lib/libx.so", "in a folder"}, {"lib", "a file of the folder's name"}},
         Layout::KeepFolders},
        {{{"lib/", ""}, {"lib", "a file of the folder's name"}}, Layout::KeepFolders},
    };
    for (const auto& [entries, layout] : cases) {
        EXPECT_FALSE(unpack(zipOf(entries), layout)) << entries[1].name.constData();
        expectNothingWritten(entries[1].name.constData());
    }
}

TEST_F(SafeUnzipTest, FlatLayoutDropsFolderPartsAndRefusesFolderEntries) {
    const std::optional<QStringList> files =
        unpack(zipOf({{"pages/EMF1.tmp", "one"}, {"EMF2.tmp", "two"}}), Layout::Flat);
    ASSERT_TRUE(files);
    EXPECT_EQ(*files, (QStringList{target() + "/EMF1.tmp", target() + "/EMF2.tmp"}));
    EXPECT_EQ(TestFiles::readAll(target() + "/EMF1.tmp"), "one");
    EXPECT_EQ(TestFiles::readAll(target() + "/EMF2.tmp"), "two");

    QDir(target()).removeRecursively();
    EXPECT_FALSE(unpack(zipOf({{"pages/", ""}, {"EMF1.tmp", "one"}}), Layout::Flat));
    expectNothingWritten("a folder entry");
}

TEST_F(SafeUnzipTest, KeepFoldersUnpacksFilesWithTheirFoldersTimesAndModes) {
    const std::optional<QStringList> files =
        unpack(zipOf({unixEntry("vantrobe", "program", kRegularFile | 0755),
                      {"lib/", {}},
                      {"lib/libx.so", QByteArray(5000, 'x')},
                      unixEntry("set-id", "program", kRegularFile | 04755)}),
               Layout::KeepFolders);
    ASSERT_TRUE(files);
    EXPECT_EQ(*files, (QStringList{target() + "/vantrobe", target() + "/lib/libx.so",
                                   target() + "/set-id"}));
    EXPECT_EQ(TestFiles::readAll(target() + "/vantrobe"), "program");
    EXPECT_EQ(TestFiles::readAll(target() + "/lib/libx.so"), QByteArray(5000, 'x'));
    const QFileInfo program(target() + "/vantrobe");
    EXPECT_TRUE(program.isExecutable());
    EXPECT_EQ(program.lastModified().date(), QDate(2026, 6, 15));
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(target() + "/set-id").constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0755u) << "the set-id bit is never taken over";
}

TEST_F(SafeUnzipTest, ArchivesBeyondTheLimitsAreRefused) {
    const QByteArray twoFiles = zipOf({{"a", QByteArray(600, 'a')}, {"b", QByteArray(600, 'b')}});
    const struct {
        SafeUnzip::Limits limits;
        bool accepted;
    } cases[] = {
        {{2, 1200}, true},
        {{2, 1199}, false},
        {{1, 1 << 20}, false},
        {{10, 1000}, false},
    };
    for (const auto& [limits, accepted] : cases) {
        QDir(target()).removeRecursively();
        EXPECT_EQ(unpack(twoFiles, Layout::KeepFolders, limits).has_value(), accepted)
            << limits.maxEntries << " entries, " << limits.maxTotalBytes << " bytes";
        if (!accepted)
            expectNothingWritten("beyond the limits");
    }
    std::vector<Entry> many;
    for (int entry = 0; entry < 5000; ++entry)
        many.push_back({"EMF" + QByteArray::number(entry), {}});
    EXPECT_FALSE(unpack(zipOf(many), Layout::Flat));
    expectNothingWritten("5000 entries");
}

TEST_F(SafeUnzipTest, WhatIsNotAnArchiveWithEntriesIsRefused) {
    for (const QByteArray& bytes :
         {QByteArray("<html>not found</html>"), QByteArray(), zipOf({}), QByteArray("PK\3\4")}) {
        EXPECT_FALSE(unpack(bytes, Layout::Flat));
        EXPECT_FALSE(unpack(bytes, Layout::KeepFolders));
    }
    expectNothingWritten("no archive");
}

// An entry's data must inflate to exactly what the directory states, with its checksum; one
// that does not fails the archive, and the good page written before it is removed again.
TEST_F(SafeUnzipTest, AnEntryThatInflatesOtherwiseThanStatedFailsAndLeavesNothing) {
    const qint64 zeros = 4 << 20;
    const struct {
        const char* what;
        QByteArray archive;
    } cases[] = {
        {"a gigabyte stated", rawZip(1 << 20, 1ul << 30, crcOfZeros(1 << 20))},
        {"more than stated", rawZip(zeros, 1000, crcOfZeros(zeros))},
        {"less than stated", rawZip(1000, 2000, crcOfZeros(1000))},
        {"a wrong checksum", rawZip(1000, 1000, 12345)},
    };
    for (const auto& [what, archive] : cases) {
        EXPECT_LT(archive.size(), 8 * 1024) << what;
        EXPECT_FALSE(unpack(archive, Layout::Flat)) << what;
        expectNothingWritten(what);
    }
    EXPECT_TRUE(unpack(rawZip(1000, 1000, crcOfZeros(1000)), Layout::Flat));
}

TEST_F(SafeUnzipTest, LinksPlantedInTheTargetAreReplacedOrRefusedNeverFollowed) {
    const QString outside = dir.filePath("outside");
    QDir().mkpath(outside);
    TestFiles::writeAll(outside + "/keep", "keep");

    QDir().mkpath(target());
    QFile::link(outside + "/keep", target() + "/EMF1.tmp");
    ASSERT_TRUE(unpack(zipOf({{"EMF1.tmp", "page"}}), Layout::Flat));
    EXPECT_EQ(TestFiles::readAll(outside + "/keep"), "keep");
    EXPECT_FALSE(QFileInfo(target() + "/EMF1.tmp").isSymLink());
    EXPECT_EQ(TestFiles::readAll(target() + "/EMF1.tmp"), "page");

    QFile::link(outside, target() + "/lib");
    EXPECT_FALSE(unpack(zipOf({{"lib/libx.so", "library"}}), Layout::KeepFolders));
    EXPECT_FALSE(QFileInfo::exists(outside + "/libx.so"));

    QDir(target()).removeRecursively();
    QDir().mkpath(dir.filePath("tmp"));
    QFile::link(outside, target());
    EXPECT_FALSE(unpack(zipOf({{"EMF1.tmp", "page"}}), Layout::Flat));
    EXPECT_EQ(QDir(outside).entryList(QDir::Files), QStringList{"keep"});
}

} // namespace
