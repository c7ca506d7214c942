#include "history/SafeUnzip.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <minizip/zip.h>
#include <zlib.h>

namespace {
constexpr uLong kUnixMadeBy = (3 << 8) | 20;
constexpr uLong kUnixLinkAttributes = 0120777ul << 16;

struct Entry {
    QByteArray name;
    QByteArray data;
    uLong externalAttributes = 0;
    uLong madeBy = 0;
};

// Writes the entries with minizip as they are, whatever their names.
void writeZip(const QString& path, const std::vector<Entry>& entries) {
    zipFile archive = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    ASSERT_TRUE(archive);
    for (const Entry& entry : entries) {
        zip_fileinfo info{};
        info.tmz_date = {0, 0, 12, 1, 0, 2005};
        info.external_fa = entry.externalAttributes;
        ASSERT_EQ(zipOpenNewFileInZip4(archive, entry.name.constData(), &info, nullptr, 0, nullptr,
                                       0, nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS,
                                       DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, entry.madeBy,
                                       0),
                  ZIP_OK);
        zipWriteInFileInZip(archive, entry.data.constData(),
                            static_cast<unsigned>(entry.data.size()));
        zipCloseFileInZip(archive);
    }
    zipClose(archive, nullptr);
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

// One entry whose central directory states `statedSize` bytes while its data inflates to
// `zeros` zero bytes.
void writeRawZip(const QString& path, qint64 zeros, uLong statedSize) {
    zipFile archive = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    zip_fileinfo info{};
    zipOpenNewFileInZip2(archive, "EMF1234.tmp", &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                         Z_BEST_COMPRESSION, 1);
    const QByteArray data = deflatedZeros(zeros);
    zipWriteInFileInZip(archive, data.constData(), static_cast<unsigned>(data.size()));
    zipCloseFileInZipRaw(archive, statedSize, crc32(0, nullptr, 0));
    zipClose(archive, nullptr);
}

class HostileArchiveTest : public ::testing::Test {
protected:
    QString archive() const { return dir.filePath("archive.zip"); }
    QString target() const { return dir.filePath("tmp/UnzippedEmf"); }
    // Every file below the test folder but the archive.
    QStringList filesWritten() const {
        QStringList files;
        QDirIterator it(dir.path(), QDir::Files | QDir::System | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (file != archive())
                files << file;
        }
        return files;
    }
    QTemporaryDir dir;
};

TEST_F(HostileArchiveTest, DangerousNamesAndLinksAreRefusedBeforeAnythingIsWritten) {
    const std::vector<Entry> cases = {
        {"/etc/evil", "x"},
        {"../evil", "x"},
        {"pages/../../evil", "x"},
        {"..\\evil", "x"},
        {"C:evil", "x"},
        {"c:\\windows\\evil", "x"},
        {"", "x"},
        {"folder/", ""},
        {"link", "/etc/passwd", kUnixLinkAttributes, kUnixMadeBy},
    };
    for (const Entry& hostile : cases) {
        writeZip(archive(), {{"EMF1.tmp", "good page"}, hostile});
        EXPECT_FALSE(unzipFlat(archive(), target())) << hostile.name.constData();
        EXPECT_TRUE(filesWritten().isEmpty()) << hostile.name.constData();
    }
}

TEST_F(HostileArchiveTest, TwoEntriesEndingInTheSameFileAreRefused) {
    writeZip(archive(), {{"a/EMF1.tmp", "one"}, {"b/EMF1.tmp", "two"}});
    EXPECT_FALSE(unzipFlat(archive(), target()));
    EXPECT_TRUE(filesWritten().isEmpty());
}

TEST_F(HostileArchiveTest, FolderPartsAreDroppedFromSafeNames) {
    writeZip(archive(), {{"pages\\EMF1.tmp", "one"}, {"./EMF2.tmp", "two"}});
    const std::optional<QStringList> files = unzipFlat(archive(), target());
    ASSERT_TRUE(files);
    EXPECT_EQ(*files, (QStringList{target() + "/EMF1.tmp", target() + "/EMF2.tmp"}));
    EXPECT_EQ(TestFiles::readAll(target() + "/EMF2.tmp"), "two");
}

TEST_F(HostileArchiveTest, AnArchiveWithoutEntriesOrWithTooManyIsRefused) {
    writeZip(archive(), {});
    EXPECT_FALSE(unzipFlat(archive(), target()));
    std::vector<Entry> many;
    for (int entry = 0; entry < 100000; ++entry)
        many.push_back({"EMF" + QByteArray::number(entry), {}});
    writeZip(archive(), many);
    EXPECT_FALSE(unzipFlat(archive(), target()));
    EXPECT_TRUE(filesWritten().isEmpty());
}

TEST_F(HostileArchiveTest, AGigabyteEntryIsRefusedUnpacked) {
    writeRawZip(archive(), 1 << 20, 1ul << 30);
    EXPECT_LT(QFileInfo(archive()).size(), 8 * 1024);
    EXPECT_FALSE(unzipFlat(archive(), target()));
    EXPECT_TRUE(filesWritten().isEmpty());
}

TEST_F(HostileArchiveTest, AnEntryInflatingBeyondItsStatedSizeIsStoppedAndRemoved) {
    writeRawZip(archive(), 4 << 20, 1000);
    EXPECT_FALSE(unzipFlat(archive(), target()));
    EXPECT_TRUE(QDir(target()).isEmpty());
}

TEST_F(HostileArchiveTest, ALinkPlantedInTheTargetFolderIsReplacedNotFollowed) {
    QDir().mkpath(target());
    const QString outside = dir.filePath("outside");
    TestFiles::writeAll(outside, "keep");
    QFile::link(outside, target() + "/EMF1.tmp");
    writeZip(archive(), {{"EMF1.tmp", "page"}});
    ASSERT_TRUE(unzipFlat(archive(), target()));
    EXPECT_EQ(TestFiles::readAll(outside), "keep");
    EXPECT_FALSE(QFileInfo(target() + "/EMF1.tmp").isSymLink());
}

} // namespace
