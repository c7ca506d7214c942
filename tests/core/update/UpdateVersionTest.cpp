#include "update/UpdateVersion.h"

#include "update/DownloadProgress.h"
#include "update/UpdateSchedule.h"
#include "update/UpdateVersionFile.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateVersion, ParsesPiecesLikeAtoi) {
    const struct {
        const char* text;
        UpdateVersion expected;
    } cases[] = {
        {"2.0.97", {2, 0, 97}},  {"2.0.97.5", {2, 0, 97}},
        {"2..1", {2, 1, 0}},     {"3", {3, 0, 0}},
        {".2.1.", {2, 1, 0}},    {" 2. 1x.7b", {2, 1, 7}},
        {"-1.+4.0", {-1, 4, 0}}, {"abc", {0, 0, 0}},
        {"", {0, 0, 0}},         {"99999999999.1", {2147483647, 1, 0}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(UpdateVersion::parse(QLatin1String(text)), expected) << text;
}

TEST(UpdateVersion, OnlyAGreaterVersionIsNewerThanTheRunningOne) {
    const struct {
        const char* server;
        bool newer;
    } cases[] = {{"2.0.97", false}, {"2.0.97.5", false}, {"2.0.96", false},
                 {"1.9.99", false}, {"2.0.98", true},    {"2.1", true},
                 {"3", true},       {"2..1", true},      {"-3.0.0", false}};
    ASSERT_EQ(runningVersion(), (UpdateVersion{2, 0, 97}));
    for (const auto& [server, newer] : cases)
        EXPECT_EQ(UpdateVersion::parse(QLatin1String(server)).isNewerThan(runningVersion()), newer)
            << server;
}

TEST(UpdateVersionFile, SplitsAtRunsOfLineBreaksSoBlankLinesDoNotCount) {
    const UpdateVersionFile file =
        UpdateVersionFile::split("\r\n1\r\n\r\n\n2.1\r\r\nvantrobe\n\nlib/libx.so\n");
    EXPECT_TRUE(file.isCompatible());
    EXPECT_EQ(file.versionText, QStringLiteral("2.1"));
    EXPECT_EQ(file.names[0], QStringLiteral("vantrobe"));
    EXPECT_EQ(file.names[1], QStringLiteral("lib/libx.so"));
    EXPECT_TRUE(file.names[2].isEmpty());
}

TEST(UpdateVersionFile, OnlyAFlagOfExactlyOneIsCompatible) {
    for (const char* text : {"1 \n2.1\n", " 1\n2.1\n", "01\n2.1\n", "<html>\n", ""})
        EXPECT_FALSE(UpdateVersionFile::split(text).isCompatible()) << text;
    EXPECT_TRUE(UpdateVersionFile::split("1\n2.1\n").isCompatible());
}

TEST(UpdateVersionFile, KeepsTwentyNamesAndIgnoresLaterLines) {
    QByteArray text = "1\n3.0\n";
    for (int index = 1; index <= 25; ++index)
        text += "file" + QByteArray::number(index) + "\n";
    const UpdateVersionFile file = UpdateVersionFile::split(text);
    EXPECT_EQ(file.names.front(), QStringLiteral("file1"));
    EXPECT_EQ(file.names.back(), QStringLiteral("file20"));
}

TEST(DownloadProgress, FormatsByteCountsInTheLargestUnitAbove1024) {
    const struct {
        quint64 count;
        const char* text;
    } cases[] = {{0, "0.0 Byte"},        {512, "512.0 Byte"},
                 {1024, "1024.0 Byte"},  {1025, "1.0 KB"},
                 {1536, "1.5 KB"},       {3145728, "3.0 MB"},
                 {4294967295, "4.0 GB"}, {quint64(5) << 40, "5.0 TB"}};
    for (const auto& [count, text] : cases)
        EXPECT_EQ(DownloadProgress::formatByteCount(count), QLatin1String(text)) << count;
}

TEST(DownloadProgress, TextAndPercentWithAndWithoutATotal) {
    EXPECT_EQ(DownloadProgress::text(1536, 0),
              QStringLiteral("Downloaded 1.5 KB (total size unknown)"));
    EXPECT_EQ(DownloadProgress::text(1536, 3145728), QStringLiteral("Downloaded 1.5 KB of 3.0 MB"));
    EXPECT_EQ(DownloadProgress::percent(1536, 0), 0);
    EXPECT_EQ(DownloadProgress::percent(999, 1000), 99);
    EXPECT_EQ(DownloadProgress::percent(1000, 1000), 100);
    EXPECT_EQ(DownloadProgress::percent(4294967295, 4294967296), 99);
}

TEST(UpdateSchedule, DueWhenTheWholeDaysReachTheFrequency) {
    constexpr qint64 day = 86400;
    const qint64 last = 1'700'000'000;
    const struct {
        int frequency;
        qint64 elapsed;
        bool due;
    } cases[] = {{0, day - 1, false},   {0, day, true},       {1, 3 * day - 1, false},
                 {1, 3 * day, true},    {2, 7 * day, true},   {2, 6 * day, false},
                 {3, 14 * day, true},   {3, 13 * day, false}, {-1, 100 * day, false},
                 {4, 100 * day, false}, {2, -30 * day, false}};
    for (const auto& [frequency, elapsed, due] : cases)
        EXPECT_EQ(UpdateSchedule::automaticCheckDue(frequency, last, last + elapsed), due)
            << frequency << " " << elapsed;
}

} // namespace
