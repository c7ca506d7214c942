#include "support/TestZip.h"

#include <QFile>
#include <gtest/gtest.h>
#include <minizip/zip.h>

namespace {
constexpr unsigned kMadeOnUnix = (3u << 8) | 20u;
constexpr unsigned kSymbolicLinkType = 0120000;
constexpr unsigned kRegularFileType = 0100000;

void addEntry(zipFile zip, const TestZip::Entry& entry) {
    zip_fileinfo info{};
    info.tmz_date = {0, 30, 12, 15, 5, 2026};
    const unsigned type =
        entry.symbolicLink ? kSymbolicLinkType | 0777 : kRegularFileType | entry.unixMode;
    info.external_fa = uLong(type) << 16;
    const QByteArray name = entry.name.toUtf8();
    ASSERT_EQ(zipOpenNewFileInZip4(zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                                   Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                   Z_DEFAULT_STRATEGY, nullptr, 0, kMadeOnUnix, 0),
              ZIP_OK);
    ASSERT_EQ(zipWriteInFileInZip(zip, entry.bytes.constData(), unsigned(entry.bytes.size())),
              ZIP_OK);
    ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
}
} // namespace

namespace TestZip {

void write(const QString& path, const std::vector<Entry>& entries) {
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr) << path.toStdString();
    for (const Entry& entry : entries)
        addEntry(zip, entry);
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

} // namespace TestZip
