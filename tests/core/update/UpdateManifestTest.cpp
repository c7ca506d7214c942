#include "update/UpdateManifest.h"

#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray digestOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// A manifest text with the given lines after the version line "version 2.1.0".
QByteArray manifestWith(const QByteArray& fileLines) {
    return "Vantrobe update manifest 1\nversion 2.1.0\n" + fileLines;
}

QByteArray fileLine(const QByteArray& name, const QByteArray& bytes = "x") {
    return digestOf(bytes).toHex() + "  " + name + "\n";
}

TEST(UpdateManifest, ReadsTheVersionAndEveryFileWithItsDigest) {
    const std::optional<UpdateManifest> manifest = UpdateManifest::parse(
        manifestWith(fileLine("vantrobe", "new program") + fileLine("lib/libx.so", "lib")));
    ASSERT_TRUE(manifest);
    EXPECT_EQ(manifest->versionText, QStringLiteral("2.1.0"));
    ASSERT_EQ(manifest->files.size(), 2u);
    EXPECT_EQ(manifest->files[0].name, QStringLiteral("vantrobe"));
    EXPECT_EQ(manifest->files[0].sha256, digestOf("new program"));
    EXPECT_EQ(manifest->files[1].name, QStringLiteral("lib/libx.so"));
    EXPECT_EQ(UpdateManifest::parse(manifest->text())->files, manifest->files);
}

TEST(UpdateManifest, OnlyAWholeManifestWithSafeDistinctNamesReads) {
    const QByteArray digest = digestOf("x").toHex();
    const struct {
        const char* what;
        QByteArray text;
        bool reads;
    } cases[] = {
        {"CR LF line ends and an upper-case digest",
         "Vantrobe update manifest 1\r\nversion 2.1.0\r\n" + digest.toUpper() + "  a\r\n", true},
        {"a name with spaces and non-ASCII letters", manifestWith(fileLine("Caf\xc3\xa9 x.dll")),
         true},
        {"another first line", "Vantrobe update manifest 2\nversion 2.1.0\n" + fileLine("a"),
         false},
        {"no version", "Vantrobe update manifest 1\n" + fileLine("a"), false},
        {"an empty version", "Vantrobe update manifest 1\nversion \n" + fileLine("a"), false},
        {"no file", manifestWith(""), false},
        {"no line end after the last file", manifestWith(fileLine("a").chopped(1)), false},
        {"an empty line", manifestWith(fileLine("a") + "\n" + fileLine("b")), false},
        {"a digest one digit short", manifestWith(digest.chopped(1) + "  a\n"), false},
        {"a digest that is not hexadecimal", manifestWith(QByteArray(64, 'g') + "  a\n"), false},
        {"one space before the name", manifestWith(digest + " a\n"), false},
        {"a parent folder", manifestWith(fileLine("../a")), false},
        {"an absolute name", manifestWith(fileLine("/usr/bin/a")), false},
        {"a drive letter", manifestWith(fileLine("C:/a")), false},
        {"a backslash", manifestWith(fileLine("lib\\a")), false},
        {"a control character", manifestWith(fileLine("a\x1b[2J")), false},
        {"a NUL", manifestWith(fileLine(QByteArray("a\0b", 3))), false},
        {"not UTF-8", manifestWith(fileLine("caf\xe9")), false},
        {"the staging folder", manifestWith(fileLine("new/vantrobe")), false},
        {"the folder of replaced files", manifestWith(fileLine("Old/vantrobe")), false},
        {"the manifest itself", manifestWith(fileLine("VanManifest.txt")), false},
        {"the journal", manifestWith(fileLine("UpdateJournal.txt")), false},
        {"the log", manifestWith(fileLine("updatelog.txt")), false},
        {"names differing only in case", manifestWith(fileLine("Lib/a") + fileLine("lib/A")),
         false},
        {"a name that is another's folder", manifestWith(fileLine("lib") + fileLine("lib/a")),
         false},
        {"a folder named after its file, with names between them in order",
         manifestWith(fileLine("lib/a/b") + fileLine("lib-x") + fileLine("lib.d") +
                      fileLine("LIB")),
         false},
        {"a name that is a folder deep in another",
         manifestWith(fileLine("a/b") + fileLine("a/B/c/d")), false},
        {"names that only begin alike",
         manifestWith(fileLine("lib") + fileLine("libx") + fileLine("lib-2/a") + fileLine("li/b")),
         true},
        {"over a megabyte",
         manifestWith(fileLine("a") + fileLine(QByteArray(UpdateManifest::kMaxBytes, 'n'))), false},
    };
    for (const auto& [what, text, reads] : cases)
        EXPECT_EQ(UpdateManifest::parse(text).has_value(), reads) << what;
}

TEST(UpdateManifest, AtMostTenThousandFilesAreListed) {
    QByteArray lines;
    for (int index = 0; index < UpdateManifest::kMaxFiles; ++index)
        lines += fileLine("f" + QByteArray::number(index));
    EXPECT_TRUE(UpdateManifest::parse(manifestWith(lines)));
    EXPECT_FALSE(UpdateManifest::parse(manifestWith(lines + fileLine("one-more"))));
}

// An older signed release offered again as newer does not fit: the manifest's version must
// be the announced one and newer than the running one.
TEST(UpdateManifest, FitsOnlyTheAnnouncedVersionWhenItIsNewer) {
    const UpdateVersion running = UpdateVersion::parse(QStringLiteral("2.0.97"));
    const struct {
        const char* manifest;
        const char* announced;
        bool fits;
    } cases[] = {{"2.1.0", "2.1", true},   {"2.1", "2.1.0", true},      {"2.0.98", "2.0.98", true},
                 {"2.0.90", "2.1", false}, {"2.0.90", "2.0.90", false}, {"2.0.97", "2.0.97", false},
                 {"2.2", "2.1", false},    {"3.0.0", "2.1", false}};
    for (const auto& [manifest, announced, fits] : cases) {
        const UpdateManifest described{QLatin1String(manifest), {}};
        EXPECT_EQ(described.fits(UpdateVersion::parse(QLatin1String(announced)), running), fits)
            << manifest << " announced as " << announced;
    }
}

TEST(UpdateManifest, NamesTheFirstFileThatDiffersFromItsLine) {
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("lib"));
    TestFiles::writeAll(folder.filePath(QStringLiteral("vantrobe")), "new program");
    TestFiles::writeAll(folder.filePath(QStringLiteral("lib/libx.so")), "new library");
    UpdateManifest manifest{QStringLiteral("2.1"),
                            {{QStringLiteral("vantrobe"), digestOf("new program")},
                             {QStringLiteral("lib/libx.so"), digestOf("new library")}}};
    EXPECT_EQ(manifest.firstMismatch(folder.path()), QString());

    TestFiles::writeAll(folder.filePath(QStringLiteral("lib/libx.so")), "new librar");
    EXPECT_EQ(manifest.firstMismatch(folder.path()), QStringLiteral("lib/libx.so"));
    QFile::remove(folder.filePath(QStringLiteral("vantrobe")));
    EXPECT_EQ(manifest.firstMismatch(folder.path()), QStringLiteral("vantrobe"));
    QDir(folder.path()).mkpath(QStringLiteral("vantrobe")); // a folder in the file's place
    EXPECT_EQ(manifest.firstMismatch(folder.path()), QStringLiteral("vantrobe"));
}

} // namespace
