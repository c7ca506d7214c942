#include "letters/RtfWriter.h"

#include "RtfTestSupport.h"
#include "letters/LetterGenerator.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QTextCursor>
#include <QTextList>
#include <gtest/gtest.h>

using RtfTest::blockTexts;
using RtfTest::formatAt;

namespace {
QTextCharFormat charFormat(const QString& family, double points) {
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points);
    return format;
}

// A document with every format the writer carries.
std::unique_ptr<QTextDocument> richDocument() {
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    const QTextCharFormat base = charFormat(QStringLiteral("Liberation Serif"), 10);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat bold = base;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Bold title"), bold);

    QTextBlockFormat indented;
    indented.setLeftMargin(48);
    indented.setTextIndent(24);
    indented.setRightMargin(12);
    indented.setTopMargin(8);
    indented.setBottomMargin(4);
    indented.setTabPositions({QTextOption::Tab(192, QTextOption::RightTab)});
    cursor.insertBlock(indented);
    cursor.insertText(QStringLiteral("Plain "), base);
    QTextCharFormat italic = base;
    italic.setFontItalic(true);
    cursor.insertText(QStringLiteral("italic"), italic);
    QTextCharFormat underlined = charFormat(QStringLiteral("Liberation Sans"), 14);
    underlined.setFontUnderline(true);
    underlined.setForeground(QColor(0x12, 0x80, 0x40));
    cursor.insertText(QStringLiteral(" green sans\tafter tab"), underlined);

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right, base);
    cursor.insertText(QStringLiteral("Braces {x} back\\slash caf\u00e9 \u20ac \u0141\u00f3d\u017a "
                                     "<CLIENT_NAME>\u2028next line"),
                      base);

    cursor.insertBlock(QTextBlockFormat(), base);
    cursor.insertText(QStringLiteral("first bullet"), base);
    cursor.createList(QTextListFormat::ListDisc);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second bullet"), base);

    cursor.insertBlock(QTextBlockFormat(), bold);
    return document;
}

std::unique_ptr<QTextDocument> roundTrip(const QTextDocument& document) {
    return RtfTest::read(RtfWriter::write(document));
}
} // namespace

TEST(RtfWriter, RoundTripKeepsTextAndParagraphs) {
    const auto original = richDocument();
    const auto copy = roundTrip(*original);
    EXPECT_EQ(blockTexts(*copy), blockTexts(*original));
    for (QTextBlock a = original->begin(), b = copy->begin(); a.isValid() && b.isValid();
         a = a.next(), b = b.next()) {
        const QTextBlockFormat x = a.blockFormat();
        const QTextBlockFormat y = b.blockFormat();
        EXPECT_EQ(x.alignment() & Qt::AlignHorizontal_Mask,
                  y.alignment() & Qt::AlignHorizontal_Mask)
            << a.text().toStdString();
        EXPECT_DOUBLE_EQ(x.leftMargin(), y.leftMargin()) << a.text().toStdString();
        EXPECT_DOUBLE_EQ(x.textIndent(), y.textIndent()) << a.text().toStdString();
        EXPECT_DOUBLE_EQ(x.rightMargin(), y.rightMargin());
        EXPECT_DOUBLE_EQ(x.topMargin(), y.topMargin());
        EXPECT_DOUBLE_EQ(x.bottomMargin(), y.bottomMargin());
        EXPECT_EQ(x.tabPositions(), y.tabPositions());
        EXPECT_EQ(a.textList() != nullptr, b.textList() != nullptr) << a.text().toStdString();
    }
}

TEST(RtfWriter, RoundTripKeepsCharacterFormats) {
    const auto copy = roundTrip(*richDocument());
    const QTextCharFormat title = formatAt(*copy, QStringLiteral("Bold title"));
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_EQ(title.fontPointSize(), 10);
    EXPECT_EQ(title.fontFamilies().toStringList(), QStringList{QStringLiteral("Liberation Serif")});
    EXPECT_TRUE(formatAt(*copy, QStringLiteral("italic")).fontItalic());
    EXPECT_FALSE(formatAt(*copy, QStringLiteral("Plain")).fontItalic());
    const QTextCharFormat green = formatAt(*copy, QStringLiteral("green"));
    EXPECT_TRUE(green.fontUnderline());
    EXPECT_EQ(green.fontPointSize(), 14);
    EXPECT_EQ(green.fontFamilies().toStringList(), QStringList{QStringLiteral("Liberation Sans")});
    EXPECT_EQ(green.foreground().color(), QColor(0x12, 0x80, 0x40));
    EXPECT_EQ(formatAt(*copy, QStringLiteral("Braces")).foreground().style(), Qt::NoBrush);
    EXPECT_EQ(copy->lastBlock().charFormat().fontWeight(), QFont::Bold);
}

TEST(RtfWriter, OutputIsStableAfterOneRoundTrip) {
    const QStringList sources = {
        QStringLiteral(":/letters/DefaultLetter.rtf"),
        QStringLiteral(":/letters/DefaultLetterHelp.rtf"),
        TestPaths::testData(QStringLiteral("letters/libreoffice-formatted.rtf")),
        TestPaths::testData(QStringLiteral("letters/libreoffice-letter.rtf")),
    };
    for (const QString& source : sources) {
        const QByteArray once = RtfWriter::write(*RtfTest::read(TestFiles::readAll(source)));
        const QByteArray twice = RtfWriter::write(*RtfTest::read(once));
        EXPECT_EQ(once, twice) << source.toStdString();
    }
}

TEST(RtfWriter, KeywordsStayUnbrokenAndAreReplacedAfterSaving) {
    const auto letter =
        RtfTest::read(TestFiles::readAll(QStringLiteral(":/letters/DefaultLetter.rtf")));
    // The user makes the client's name bold: the keyword is one run, so it stays whole.
    QTextCursor cursor = letter->find(QStringLiteral("<CLIENT_NAME>"));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    const QByteArray saved = RtfWriter::write(*letter);
    for (const char* keyword :
         {"<DATE>", "<PREPARER_NAME>", "<PREPARER_ADDRESS1>", "<PREPARER_ADDRESS_CITY_STATE_ZIP>",
          "<PREPARER_PHONE_NUMBER>", "<CLIENT_NAME>", "<CLIENT_ADDRESS1>",
          "<CLIENT_ADDRESS_CITY_STATE_ZIP>", "<CLIENT_PHONE_NUMBER>", "<PERIOD_ENDING>",
          "<AMOUNT_DUE>"})
        EXPECT_TRUE(saved.contains(keyword)) << keyword;

    LetterInputs inputs;
    inputs.client.name = QStringLiteral("Ma & Pa {Deli}");
    inputs.amountDue = 42;
    inputs.today = QDate(2026, 2, 3);
    const auto generated = RtfTest::read(replaceLetterKeywords(saved, inputs));
    EXPECT_EQ(formatAt(*generated, QStringLiteral("Ma & Pa {Deli}")).fontWeight(), QFont::Bold);
    EXPECT_TRUE(generated->toPlainText().contains(QStringLiteral("balance due of $42.")));
    EXPECT_EQ(blockTexts(*generated).size(), blockTexts(*letter).size());
}

TEST(RtfWriter, HeaderDeclaresCodePageAndTables) {
    const QByteArray rtf = RtfWriter::write(*richDocument());
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_TRUE(rtf.contains("{\\fonttbl"));
    EXPECT_TRUE(rtf.contains("\\red18\\green128\\blue64;"));
    EXPECT_TRUE(rtf.contains("caf\\'e9 \\'80 \\u321?\\'f3d\\u378?"));
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
}
