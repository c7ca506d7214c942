#include "returns/import/FigureText.h"

#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FigureText, TakesUtf8WithOrWithoutItsMarkAndWindows1252Otherwise) {
    const struct {
        QByteArray bytes;
        const char* encoding;
        QString text;
    } cases[] = {
        {"name\nCaf\xC3\xA9", "UTF-8", QStringLiteral("name\nCaf\u00e9")},
        {"\xEF\xBB\xBFname\nCaf\xC3\xA9", "UTF-8", QStringLiteral("name\nCaf\u00e9")},
        {"name\nCaf\xE9 \x80", "Windows-1252", QStringLiteral("name\nCaf\u00e9 \u20ac")},
        {"plain ascii", "UTF-8", QStringLiteral("plain ascii")},
    };
    for (const auto& testCase : cases) {
        const FigureText::Decoded decoded = FigureText::decode(testCase.bytes);
        EXPECT_TRUE(decoded.problem.isEmpty()) << decoded.problem.toStdString();
        EXPECT_EQ(decoded.encoding, QLatin1String(testCase.encoding));
        EXPECT_EQ(decoded.text, testCase.text);
    }
}

TEST(FigureText, RefusesWhatIsNoCsvTextWithTheReason) {
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {QByteArray(), "empty"},
        {"\xEF\xBB\xBF \r\n", "empty"},
        {QByteArray("PK\x03\x04\x14\x00", 6), "workbook"},
        {QByteArray("\xD0\xCF\x11\xE0\xA1\xB1", 6), "workbook"},
        {QByteArray("\xFF\xFEn\x00", 4), "UTF-16"},
        {QByteArray("name\x00x", 6), "not a text file"},
        {"\xEF\xBB\xBFname\nCaf\xE9", "not UTF-8"},
    };
    for (const auto& testCase : cases) {
        const FigureText::Decoded decoded = FigureText::decode(testCase.bytes);
        EXPECT_TRUE(decoded.text.isEmpty());
        EXPECT_TRUE(decoded.problem.contains(QLatin1String(testCase.reason)))
            << testCase.reason << ": " << decoded.problem.toStdString();
    }
}

TEST(FigureText, AFileLargerThanAFileOfFiguresIsRefusedByItsSize) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("huge.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // 50 MB of nothing on disk: a reader that read the file first would find only NULs.
    ASSERT_TRUE(file.resize(50 * 1024 * 1024));
    file.close();
    const FigureText::Decoded decoded = FigureText::readFile(path);
    EXPECT_TRUE(decoded.problem.contains(QStringLiteral("50.0 MB")))
        << decoded.problem.toStdString();
    EXPECT_TRUE(decoded.problem.contains(QStringLiteral("at most 1.0 MB")));
}

TEST(FigureText, AMissingFileSaysItCannotBeRead) {
    QTemporaryDir folder;
    const FigureText::Decoded decoded = FigureText::readFile(folder.filePath("gone.csv"));
    EXPECT_TRUE(decoded.problem.startsWith(QStringLiteral("The file cannot be read")));
}
