#include "RtfTestSupport.h"
#include "letters/RtfWriter.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace {
QList<QByteArray> fixtures() {
    return {
        TestFiles::readAll(QStringLiteral(":/letters/DefaultLetter.rtf")),
        TestFiles::readAll(QStringLiteral(":/letters/ClientLetterHelp.rtf")),
        TestFiles::readAll(
            TestPaths::testData(QStringLiteral("letters/libreoffice-formatted.rtf"))),
        TestFiles::readAll(TestPaths::testData(QStringLiteral("letters/libreoffice-letter.rtf")))};
}

// Reading must end normally, and whatever was read must write out again as a letter that
// reads back to the same text.
void readAndWrite(const QByteArray& source) {
    const auto document = RtfTest::read(source);
    const QByteArray written = RtfWriter::write(*document);
    EXPECT_TRUE(written.startsWith("{\\rtf1")) << source.left(80).toStdString();
    EXPECT_EQ(RtfTest::read(written)->toPlainText(), document->toPlainText())
        << source.left(80).toStdString();
}

// About 300 cut points or flipped positions per fixture, the same on every run.
qsizetype strideFor(const QByteArray& bytes) {
    return std::max<qsizetype>(1, bytes.size() / 300);
}
} // namespace

TEST(RtfRobustness, FixturesAreThere) {
    for (const QByteArray& fixture : fixtures())
        EXPECT_GT(fixture.size(), 500);
}

TEST(RtfRobustness, TruncatedFixturesWriteBackWhatWasRead) {
    for (const QByteArray& fixture : fixtures()) {
        for (qsizetype length = 0; length <= fixture.size(); length += strideFor(fixture))
            readAndWrite(fixture.left(length));
    }
}

TEST(RtfRobustness, FixturesWithChangedBytesWriteBackWhatWasRead) {
    const QByteArray replacements = "{}\\'0-9 \xff\x00u*";
    int round = 0;
    for (const QByteArray& fixture : fixtures()) {
        for (qsizetype position = 0; position < fixture.size(); position += strideFor(fixture)) {
            QByteArray changed = fixture;
            changed[position] = replacements[round++ % replacements.size()];
            readAndWrite(changed);
        }
    }
}

TEST(RtfRobustness, HostileInputsWriteBackWhatWasRead) {
    const QList<QByteArray> inputs = {
        "{\\rtf1" + QByteArray(200000, '{') + "deep" + QByteArray(200000, '}') + "}",
        "{\\rtf1" + QByteArray(100000, '}') + "after}",
        "{\\rtf1 " + QByteArray(20000, '\\') + "}",
        "{\\rtf1 " + QByteArray(100000, '\'').prepend('\\') + "}",
        "{\\rtf1 \\'",
        "{\\rtf1 \\'4",
        "{\\rtf1 \\u-999999999999? \\u99999999999 \\uc-5\\u65\\uc99999999\\u66 abc}",
        "{\\rtf1 \\fs-2147483648 \\fs2147483647 \\li-99999999999 \\tx-5 \\f-1 \\cf99999 x}",
        "{\\rtf1 \\bin2147483647 x}",
        "{\\rtf1 \\bin-5 x}",
        "{\\rtf1 {\\colortbl" + QByteArray(100000, ';') + "}\\cf5000 x}",
        "{\\rtf1 {\\fonttbl{\\f0 " + QByteArray(100000, 'A') + ";}}x}",
        "{\\rtf1 \\" + QByteArray(10000, 'a') + QByteArray(10000, '9') + " x}",
        "{\\rtf1 {\\*\\listtable{\\list\\listlevel\\levelnfc23\\listid5}}{\\listoverridetable"
        "{\\listoverride\\listid5\\ls1}}\\ls1\\ilvl99 item\\par\\ls77 item\\par}",
        "{\\rtf1 {\\*\\pn\\pnlvlblt}{\\*\\pn\\pnlvlbody}" + QByteArray(5000, 'x') + "\\par}",
        QByteArray("{\\rtf1 \x00\x01\x02\x1f text\x00}", 18),
        "{\\rtf1 \\tx100\\tx200" + QByteArray(20000, 'x').replace("x", "\\tx1") + " x\\par}",
    };
    for (const QByteArray& input : inputs)
        readAndWrite(input);
}

// \binN skips N bytes of binary data; a count of zero or below skips nothing, so reading never
// moves back over what it read (a negative count looped for ever or read before the source).
TEST(RtfRobustness, BinaryDataCountsNeverMoveBackwards) {
    const struct {
        QByteArray rtf;
        QString text;
    } cases[] = {
        {"{\\rtf1 abc\\bin-7 def}", "abcdef"},          {"{\\rtf1 abc\\bin-1000000 def}", "abcdef"},
        {"{\\rtf1 abc\\bin-2147483648 def}", "abcdef"}, {"{\\rtf1 abc\\bin0 def}", "abcdef"},
        {"{\\rtf1 abc\\bin3 XYZdef}", "abcdef"},        {"{\\rtf1 abc\\bin99 de}", "abc"},
    };
    for (const auto& test : cases) {
        const auto document = RtfTest::read(test.rtf);
        EXPECT_EQ(document->toPlainText(), test.text) << test.rtf.toStdString();
    }
}

// The layout hears of a letter's content in as many changes for 5,000 runs of formatted text
// as for one: with a change per run, reading grew with the square of the runs in a paragraph.
TEST(RtfRobustness, ALetterReachesTheLayoutInAFixedNumberOfChanges) {
    std::vector<int> changesPerRead;
    for (const int runs : {1, 50, 5000}) {
        QByteArray rtf = "{\\rtf1 ";
        for (int run = 0; run < runs; ++run)
            rtf += run % 2 ? "{\\b x}" : "{\\i y}";
        rtf += "\\par second paragraph}";
        QTextDocument document;
        document.documentLayout(); // as in the editor, whose document has a layout
        int changes = 0;
        QObject::connect(&document, &QTextDocument::contentsChange, [&] { ++changes; });
        RtfReader::read(rtf, document);
        EXPECT_EQ(document.toPlainText().size(), runs + 1 + 16) << runs;
        changesPerRead.push_back(changes);
    }
    EXPECT_EQ(changesPerRead, std::vector<int>(3, changesPerRead.front()));
}
